#pragma once
// A draw: the numbers the comparison, the draw history and the draw files all speak of.

#include "wheels/selection_grid.h"

#include <array>

namespace orvane {

// A draw as the player enters it: five main numbers 1..39 and the Thunderball 1..14, which is a
// draw of its own and may equal a main number.
struct Draw {
    std::array<int, kDrawnMainNumbers> main{};
    int thunderball = 0;
};

// A draw naming one main number twice cannot be compared: a board would match it twice.
bool HasRepeatedMainNumber(const Draw& draw);

} // namespace orvane
