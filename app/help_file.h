#pragma once
// What Help opens: the help file in the program folder, or else the manual installed with the
// program.

#include <string>

namespace orvane {

struct HelpToOpen {
    enum class Kind { None, HelpFile, Manual };
    Kind kind = Kind::None;
    std::string path;
};

// "orvane.chm" when it lies in `programFolder` (ending with "/"), to open with the desktop's
// viewer; otherwise the manual's front page where the install lays it out beside the program, to
// open in the browser; otherwise nothing.
HelpToOpen HelpFor(const std::string& programFolder);

} // namespace orvane
