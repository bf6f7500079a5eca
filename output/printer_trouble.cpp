#include "output/printer_trouble.h"

namespace orvane {

namespace {

std::string Quoted(const std::string& name) {
    return "\"" + name + "\"";
}

} // namespace

std::string PrintServiceUnreachable() {
    return "The print service (CUPS) cannot be reached: start it, for example with the command "
           "\"sudo systemctl start cups\", and print again.";
}

std::string NoDefaultPrinter(const std::vector<std::string>& installed) {
    std::string names;
    for (const std::string& name : installed)
        names += (names.empty() ? "" : ", ") + Quoted(name);
    const std::string example = installed.empty() ? "NAME" : installed.front();
    return "None of the installed printers (" + names +
           ") is the default printer: choose one, for example with the command \"lpoptions -d " +
           example + "\", and print again.";
}

std::string NoPrinterInstalled() {
    return "No printer is installed on this computer: install one and choose it as the default "
           "printer.";
}

std::string ChosenPrinterGone(const std::string& printer) {
    return "The printer " + Quoted(printer) +
           " is no longer installed: choose another printer in the print window.";
}

std::string PrinterUnusable(const std::string& printer) {
    return "The printer " + Quoted(printer) + " cannot be used.";
}

std::string QueueRefusesJobs(const std::string& printer) {
    return "The printer " + Quoted(printer) + " does not accept jobs at the moment.";
}

std::string QueuePaused(const std::string& printer) {
    return "The printer " + Quoted(printer) +
           " is paused: what was sent to it waits in its queue and prints only once the printer "
           "is resumed, for example with the command \"cupsenable " +
           printer + "\".";
}

} // namespace orvane
