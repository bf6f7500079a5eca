#pragma once
// What the CUPS scheduler says about its printers, a print queue and the last job handed to it;
// Qt's printing backend does not pass any of it on.

#include <optional>
#include <string>

namespace orvane {

// Why there is no default printer to print on: the print service does not answer, printers are
// installed but none is the default, or none is installed at all.
std::string MissingDefaultPrinter();

// Why the queue `printerName` ("queue" or "queue/instance") will not take a job now, or nothing
// when it will.
std::optional<std::string> QueueRefusal(const std::string& printerName);

// Whether the queue `printerName` is paused: it takes jobs but holds them until it is resumed.
bool QueueIsPaused(const std::string& printerName);

// The scheduler's answer to the last request of this thread when it was a refusal, such as the
// submission of a finished document.
std::optional<std::string> LastRequestRefusal();

} // namespace orvane
