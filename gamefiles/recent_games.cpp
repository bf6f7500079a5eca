#include "gamefiles/recent_games.h"

#include "common/atomic_file.h"
#include "common/program_or_player_folder.h"
#include "common/regular_file_read.h"

#include <algorithm>
#include <sstream>

namespace orvane {

std::vector<std::string> WithRecentGame(std::vector<std::string> recent, const std::string& path) {
    recent.erase(std::remove(recent.begin(), recent.end(), path), recent.end());
    recent.insert(recent.begin(), path);
    if (recent.size() > kRecentGamesKept)
        recent.resize(kRecentGamesKept);
    return recent;
}

std::vector<std::string> ReadRecentGames(const std::string& file) {
    std::vector<std::string> recent;
    // Eight paths of a few hundred bytes each: more is no list this program wrote.
    std::vector<std::uint8_t> bytes(64 * 1024);
    const std::optional<std::size_t> read = ReadRegularFileStart(file, bytes);
    if (!read)
        return recent;
    std::istringstream lines(std::string(bytes.begin(), bytes.begin() + static_cast<long>(*read)));
    std::string line;
    while (recent.size() < kRecentGamesKept && std::getline(lines, line))
        if (!line.empty())
            recent.push_back(line);
    return recent;
}

bool WriteRecentGames(const std::string& folder, const std::vector<std::string>& recent) {
    if (folder.empty() || !MakePlayerFolders(folder))
        return false;
    std::string text;
    for (const std::string& path : recent)
        if (path.find_first_of("\r\n") == std::string::npos)
            text += path + "\n";
    return WriteFileAtomically(folder + kRecentGamesFileName,
                               reinterpret_cast<const std::uint8_t*>(text.data()), text.size())
        .ok();
}

} // namespace orvane
