#pragma once
// Where the main window was left, kept in the player's configuration folder for the next start,
// never in the parameters file.

#include <optional>
#include <string>

namespace orvane {

inline constexpr const char* kWindowPlaceFileName = "window-place";

struct WindowPlace {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const WindowPlace&) const = default;
};

// The place kept in the file `file`: "x y width height" on one line; nothing when it cannot be
// read or holds anything else.
std::optional<WindowPlace> ReadWindowPlace(const std::string& file);

// Keeps `place` in the player's folder `folder`, made for the player alone when missing; false
// when it cannot be written.
bool WriteWindowPlace(const std::string& folder, const WindowPlace& place);

} // namespace orvane
