#include "common/window_place.h"

#include "common/atomic_file.h"
#include "common/program_or_player_folder.h"
#include "common/regular_file_read.h"

#include <array>
#include <sstream>

namespace orvane {

std::optional<WindowPlace> ReadWindowPlace(const std::string& file) {
    std::array<std::uint8_t, 128> bytes{};
    const std::optional<std::size_t> read = ReadRegularFileStart(file, bytes);
    if (!read || *read == bytes.size())
        return std::nullopt;
    std::istringstream text(std::string(bytes.begin(), bytes.begin() + static_cast<long>(*read)));
    WindowPlace place;
    std::string rest;
    if (!(text >> place.x >> place.y >> place.width >> place.height) || (text >> rest) ||
        place.width <= 0 || place.height <= 0)
        return std::nullopt;
    return place;
}

bool WriteWindowPlace(const std::string& folder, const WindowPlace& place) {
    if (folder.empty() || !MakePlayerFolders(folder))
        return false;
    const std::string text = std::to_string(place.x) + " " + std::to_string(place.y) + " " +
                             std::to_string(place.width) + " " + std::to_string(place.height) +
                             "\n";
    return WriteFileAtomically(folder + kWindowPlaceFileName,
                               reinterpret_cast<const std::uint8_t*>(text.data()), text.size())
        .ok();
}

} // namespace orvane
