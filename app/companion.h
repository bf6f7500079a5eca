#pragma once
// The maker's companion file started when the program closes, and the other files and pages the
// program hands to the desktop.

#include <string>
#include <sys/types.h>

namespace orvane {

inline constexpr const char* kHelpFileName = "orvane.chm";
// The lottery page "Play Worldwide Lotteries" opens: "thelotteren.php" on the site the build names
// (ORVANE_LOTTERY_SITE_URL).
std::string LotteryPageUrl();

struct CompanionLaunch {
    enum class Kind { None, Program, Page };
    Kind kind = Kind::None;
    std::string path;
};

// "VELMORE.EXE" in the program folder is started as a program when only root or the player could
// have put it there or changed it: a regular file (not a link) owned by root or the player and
// writable by neither group nor others, in a folder that passes the same test. Anything else of
// that name, other than a folder, is left alone, and the page is not opened in its place.
// Without one, "VELMORE.HTM" there is opened in the browser; otherwise nothing happens.
CompanionLaunch CompanionToLaunch(const std::string& programFolder);
// The same, for the player with the user id `player`; CompanionToLaunch uses the effective one.
CompanionLaunch CompanionToLaunchFor(const std::string& programFolder, uid_t player);

} // namespace orvane
