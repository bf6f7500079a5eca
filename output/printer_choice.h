#pragma once
// The printer the player chose in a print window, kept for the rest of the run.

#include <string>

namespace orvane {

struct PrinterChoice {
    std::string name; // a CUPS queue; empty for the system's default printer
};

} // namespace orvane
