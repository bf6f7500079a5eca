#pragma once
// Where a small file the program keeps for the player lies: in the program folder wherever that
// may be written, else in a copy of the player's own, which once there is the one used.

#include <functional>
#include <string>

namespace orvane {

// The folder to read `fileName` from: `playerFolder` (ending with "/"; empty for none) when the
// player's copy is there, `programFolder` otherwise.
std::string FolderToRead(const std::string& fileName, const std::string& programFolder,
                         const std::string& playerFolder);

// Saves with `saveIn(folder)` where the next start will read: the player's copy once there is
// one; otherwise the program folder, or, when that cannot be written, a new player's copy
// (creating the player's folder for its owner alone). False only when nothing could be written.
bool SaveWhereTheNextStartReads(const std::string& fileName, const std::string& programFolder,
                                const std::string& playerFolder,
                                const std::function<bool(const std::string& folder)>& saveIn);

// Creates `folder` and whatever is missing above it, each new folder for its owner alone, as a
// configuration folder should be; true when the folder is there.
bool MakePlayerFolders(const std::string& folder);

} // namespace orvane
