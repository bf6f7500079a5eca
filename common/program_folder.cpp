#include "common/program_folder.h"

namespace orvane {

std::string ProgramFolderOf(const std::string& executablePath) {
    if (executablePath.size() < 2)
        return executablePath;
    for (std::size_t i = executablePath.size() - 1; i-- > 0;) {
        const char c = executablePath[i];
        if (c == '/' || c == ':')
            return executablePath.substr(0, i + 1);
    }
    return std::string();
}

} // namespace orvane
