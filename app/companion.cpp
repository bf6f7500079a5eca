#include "app/companion.h"

#include <filesystem>

namespace orvane {

CompanionLaunch CompanionToLaunch(const std::string& programFolder) {
    std::error_code ec;
    const std::string program = programFolder + "VELMORE.EXE";
    if (std::filesystem::is_regular_file(program, ec))
        return {CompanionLaunch::Kind::Program, program};
    const std::string page = programFolder + "VELMORE.HTM";
    if (std::filesystem::is_regular_file(page, ec))
        return {CompanionLaunch::Kind::Page, page};
    return {};
}

} // namespace orvane
