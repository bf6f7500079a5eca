#include "output/cups_queue.h"

#include "output/printer_trouble.h"

#include <cups/cups.h>
#include <memory>
#include <vector>

namespace orvane {

namespace {

struct DestFree {
    void operator()(cups_dest_t* dest) const { cupsFreeDests(1, dest); }
};
using Dest = std::unique_ptr<cups_dest_t, DestFree>;

// The scheduler's current view of the queue `printerName` ("queue" or "queue/instance").
Dest NamedDest(const std::string& printerName) {
    const std::size_t slash = printerName.find('/');
    const std::string queue = printerName.substr(0, slash);
    const std::string instance =
        slash == std::string::npos ? std::string() : printerName.substr(slash + 1);
    return Dest(cupsGetNamedDest(CUPS_HTTP_DEFAULT, queue.c_str(),
                                 instance.empty() ? nullptr : instance.c_str()));
}

bool HasOption(const cups_dest_t& dest, const char* name, const char* value) {
    const char* found = cupsGetOption(name, dest.num_options, dest.options);
    return found && std::string(found) == value;
}

std::string NameOf(const cups_dest_t& dest) {
    return dest.instance ? std::string(dest.name) + "/" + dest.instance : std::string(dest.name);
}

} // namespace

std::string MissingDefaultPrinter() {
    cups_dest_t* dests = nullptr;
    const int count = cupsGetDests2(CUPS_HTTP_DEFAULT, &dests);
    if (count == 0 && cupsLastError() == IPP_STATUS_ERROR_SERVICE_UNAVAILABLE)
        return PrintServiceUnreachable();
    std::vector<std::string> installed;
    std::string defaultName;
    for (int i = 0; i < count; ++i) {
        installed.push_back(NameOf(dests[i]));
        if (dests[i].is_default)
            defaultName = installed.back();
    }
    cupsFreeDests(count, dests);
    if (installed.empty())
        return NoPrinterInstalled();
    // The scheduler names a default that Qt's printing backend did not find.
    if (!defaultName.empty())
        return PrinterUnusable(defaultName);
    return NoDefaultPrinter(installed);
}

std::optional<std::string> QueueRefusal(const std::string& printerName) {
    const Dest dest = NamedDest(printerName);
    if (!dest)
        return "The printer \"" + printerName + "\" cannot be reached.";
    if (HasOption(*dest, "printer-is-accepting-jobs", "false"))
        return QueueRefusesJobs(printerName);
    return std::nullopt;
}

bool QueueIsPaused(const std::string& printerName) {
    const Dest dest = NamedDest(printerName);
    return dest && HasOption(*dest, "printer-state", std::to_string(IPP_PSTATE_STOPPED).c_str());
}

std::optional<std::string> LastRequestRefusal() {
    if (cupsLastError() <= IPP_STATUS_OK_EVENTS_COMPLETE)
        return std::nullopt;
    const char* reason = cupsLastErrorString();
    return std::string(reason ? reason : "unknown error");
}

} // namespace orvane
