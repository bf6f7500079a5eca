#pragma once
// What the main window's hint line says when the marks do not fit the chosen system, and what
// Random numbers leaves for the player to do.

#include "wheels/board_run.h"

#include <string>

namespace orvane {

class SelectionGrid;
class SystemList;

// What the system chosen in `list` needs of the marks under `rule`, then what `grid` holds:
// "This system needs 7 numbers with 1 fixed and one Thunderball: 8 numbers, 0 fixed and
// 1 Thunderball are marked".
std::string SelectionNeedsText(const SelectionGrid& grid, const SystemList& list,
                               ThunderballRule rule);

// Random numbers marks no fixed number: on a system with fixed numbers, what the player must fix;
// empty for a system without.
std::string RandomLeavesFixedText(const SystemList& list);

} // namespace orvane
