#pragma once
// The games loaded or saved last, newest first, for the Files menu: kept in a file of their own in
// the player's configuration folder, one path a line, never in the parameters file.

#include <cstddef>
#include <string>
#include <vector>

namespace orvane {

inline constexpr const char* kRecentGamesFileName = "recent-games";
inline constexpr std::size_t kRecentGamesKept = 8;

// `recent` with `path` first, once, and no more than kRecentGamesKept paths.
std::vector<std::string> WithRecentGame(std::vector<std::string> recent, const std::string& path);

// The paths kept in the file `file`: its lines, newest first; none when it cannot be read. Blank
// lines and lines beyond kRecentGamesKept are left out.
std::vector<std::string> ReadRecentGames(const std::string& file);

// Replaces the file `file` by `recent`, making the player's folder `folder` (for its owner alone)
// when it is missing; false when it cannot be written. A path holding a line break is left out.
bool WriteRecentGames(const std::string& folder, const std::vector<std::string>& recent);

} // namespace orvane
