#pragma once
// What keeps the printer from printing now, in words for the player, with what to do about it.

#include <string>
#include <vector>

namespace orvane {

// The print service (the CUPS scheduler) does not answer.
std::string PrintServiceUnreachable();
// Printers are installed, `installed` names them, but none is the default printer.
std::string NoDefaultPrinter(const std::vector<std::string>& installed);
std::string NoPrinterInstalled();
// The printer the player chose earlier in this run is no longer installed.
std::string ChosenPrinterGone(const std::string& printer);
// The default printer is known to the print service but cannot be printed on from here.
std::string PrinterUnusable(const std::string& printer);
std::string QueueRefusesJobs(const std::string& printer);
// The queue is paused: it takes jobs but holds them until it is resumed.
std::string QueuePaused(const std::string& printer);

} // namespace orvane
