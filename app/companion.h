#pragma once
// The maker's companion file started when the program closes, and the other files and pages the
// program hands to the desktop.

#include <string>

namespace orvane {

inline constexpr const char* kHelpFileName = "orvane.chm";
inline constexpr const char* kLotteryPageUrl = "https://www.velmore.com/thelotteren.php";

struct CompanionLaunch {
    enum class Kind { None, Program, Page };
    Kind kind = Kind::None;
    std::string path;
};

// "VELMORE.EXE" in the program folder is started as a program when present; otherwise
// "VELMORE.HTM" there is opened in the browser; otherwise nothing happens.
CompanionLaunch CompanionToLaunch(const std::string& programFolder);

} // namespace orvane
