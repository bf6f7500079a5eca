#pragma once
// The player's own configuration folder, where settings go that the program folder cannot keep.

#include <string>

namespace orvane {

// "orvane/" in the desktop's folder for configuration ($XDG_CONFIG_HOME, ~/.config by default),
// ending with "/"; empty when the player has no home to keep it in.
std::string PlayerConfigFolder();

} // namespace orvane
