#pragma once
// The sentences the wheel profile window states: the guarantee with its proof, the Thunderball
// numbers the boards carry, and what a draw costs.

#include "wheels/selection_grid.h"
#include "wheels/wheel_profile.h"

#include <cstdint>
#include <string>

namespace orvane {

// The guarantee and the cases it was checked on, for example
// "Guarantee "4 if 5": holds for all 462 ways 5 drawn numbers can fall among your 11; the best
// board then holds at least 4 of them." A system with a fixed number promises only when it is
// drawn: those cases and the others are stated apart.
std::string GuaranteeText(const WheelProfile& profile);

// How many lines of play the boards make: every board carries every Thunderball number marked
// (one when none is), and each Thunderball number of a board is a line of its own.
int LinesPerBoard(const SelectionGrid& grid);
std::string ThunderballLinesText(const SelectionGrid& grid, int boards);

// "30 lines at £1.00: £30.00".
std::string CostText(int lines, std::int64_t pricePerLine);

// What a draw gives back of each pound staked, "£0.47 back for every £1 staked"; empty when
// nothing is staked.
std::string ReturnPerPoundText(double expectedPrize, std::int64_t cost);

} // namespace orvane
