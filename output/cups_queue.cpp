#include "output/cups_queue.h"

#include <cups/cups.h>

namespace orvane {

std::optional<std::string> QueueRefusal(const std::string& printerName) {
    const std::size_t slash = printerName.find('/');
    const std::string queue = printerName.substr(0, slash);
    const std::string instance =
        slash == std::string::npos ? std::string() : printerName.substr(slash + 1);
    cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, queue.c_str(),
                                         instance.empty() ? nullptr : instance.c_str());
    if (!dest)
        return "The printer \"" + printerName + "\" cannot be reached.";
    const char* accepting =
        cupsGetOption("printer-is-accepting-jobs", dest->num_options, dest->options);
    const bool refuses = accepting && std::string(accepting) == "false";
    cupsFreeDests(1, dest);
    if (refuses)
        return "The printer \"" + printerName + "\" does not accept jobs at the moment.";
    return std::nullopt;
}

std::optional<std::string> LastRequestRefusal() {
    if (cupsLastError() <= IPP_STATUS_OK_EVENTS_COMPLETE)
        return std::nullopt;
    const char* reason = cupsLastErrorString();
    return std::string(reason ? reason : "unknown error");
}

} // namespace orvane
