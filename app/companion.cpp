#include "app/companion.h"

#include "common/trusted_file.h"

#include <filesystem>
#include <unistd.h>

namespace orvane {

namespace {

constexpr const char* kProgramName = "VELMORE.EXE";
constexpr const char* kPageName = "VELMORE.HTM";

} // namespace

CompanionLaunch CompanionToLaunchFor(const std::string& programFolder, uid_t player) {
    switch (TrustOfFileIn(programFolder, kProgramName, player)) {
    case FileTrust::Trusted:
        return {CompanionLaunch::Kind::Program, programFolder + kProgramName};
    case FileTrust::Refused:
        // Whoever planted the program must not get the page opened instead either.
        return {};
    case FileTrust::Absent:
    case FileTrust::Folder: // a folder of that name is no program
        break;
    }
    std::error_code ec;
    const std::string page = programFolder + kPageName;
    if (std::filesystem::is_regular_file(page, ec))
        return {CompanionLaunch::Kind::Page, page};
    return {};
}

CompanionLaunch CompanionToLaunch(const std::string& programFolder) {
    return CompanionToLaunchFor(programFolder, ::geteuid());
}

std::string LotteryPageUrl() {
    return std::string(ORVANE_LOTTERY_SITE_URL) + "/thelotteren.php";
}

} // namespace orvane
