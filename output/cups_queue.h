#pragma once
// What the CUPS scheduler says about a print queue and about the last job handed to it; Qt's
// printing backend does not pass either on.

#include <optional>
#include <string>

namespace orvane {

// Why the queue `printerName` ("queue" or "queue/instance") will not take a job now, or nothing
// when it will.
std::optional<std::string> QueueRefusal(const std::string& printerName);

// The scheduler's answer to the last request of this thread when it was a refusal, such as the
// submission of a finished document.
std::optional<std::string> LastRequestRefusal();

} // namespace orvane
