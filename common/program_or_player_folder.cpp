#include "common/program_or_player_folder.h"

#include <cerrno>
#include <filesystem>
#include <sys/stat.h>

namespace orvane {

namespace {

bool PlayerCopyIsThere(const std::string& fileName, const std::string& playerFolder) {
    std::error_code ec;
    return !playerFolder.empty() && std::filesystem::exists(playerFolder + fileName, ec);
}

} // namespace

bool MakePlayerFolders(const std::string& folder) {
    std::filesystem::path built;
    for (const std::filesystem::path& part : std::filesystem::path(folder)) {
        if (part.empty())
            continue;
        built /= part;
        if (::mkdir(built.c_str(), 0700) != 0 && errno != EEXIST)
            return false;
    }
    std::error_code ec;
    return std::filesystem::is_directory(folder, ec);
}

std::string FolderToRead(const std::string& fileName, const std::string& programFolder,
                         const std::string& playerFolder) {
    return PlayerCopyIsThere(fileName, playerFolder) ? playerFolder : programFolder;
}

bool SaveWhereTheNextStartReads(const std::string& fileName, const std::string& programFolder,
                                const std::string& playerFolder,
                                const std::function<bool(const std::string& folder)>& saveIn) {
    // Once the player has a copy, that is what start-up reads: writing the program folder's file
    // instead would lose what was saved at the next start.
    if (PlayerCopyIsThere(fileName, playerFolder))
        return saveIn(playerFolder);
    if (saveIn(programFolder))
        return true;
    return !playerFolder.empty() && MakePlayerFolders(playerFolder) && saveIn(playerFolder);
}

} // namespace orvane
