#include "app/help_file.h"

#include "app/companion.h"

#include <filesystem>

namespace orvane {

HelpToOpen HelpFor(const std::string& programFolder) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const std::string helpFile = programFolder + kHelpFileName;
    if (fs::is_regular_file(helpFile, ec))
        return {HelpToOpen::Kind::HelpFile, helpFile};
    const fs::path manual = fs::path(programFolder + ORVANE_MANUAL_FROM_PROGRAM).lexically_normal();
    if (fs::is_regular_file(manual, ec))
        return {HelpToOpen::Kind::Manual, manual.string()};
    return {};
}

} // namespace orvane
