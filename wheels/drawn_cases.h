#pragma once
// Every way up to five drawn main numbers can fall among a system's positions, each with how many
// of them every board holds.

#include "wheels/position_sets.h"
#include "wheels/selection_grid.h"
#include "wheels/wheel_catalogue.h"

#include <array>
#include <functional>
#include <span>

namespace orvane {

// A board holds 0..5 of the drawn main numbers.
constexpr int kHoldings = kBoardSize + 1;

// One case: the drawn positions and what the boards hold of them.
struct DrawnCase {
    PositionMask drawn = 0;
    int drawnCount = 0;
    std::array<int, kHoldings> boardsHolding{}; // [h]: boards holding exactly h
    int best = 0;                               // the most any board holds
    unsigned holdingsSet = 0;                   // bit h: some board holds h
};

// Calls visit for every set of 0..5 positions out of 1..numberCount, each once.
void ForEachDrawnCase(std::span<const BoardPositions> rows, int numberCount,
                      const std::function<void(const DrawnCase&)>& visit);

} // namespace orvane
