#pragma once
// Marking random main numbers for the chosen system.

#include "wheels/selection_grid.h"

#include <random>

namespace orvane {

// Empties the main numbers, then selects n distinct numbers drawn uniformly from 1..39 (1..36 on
// the 36-cell grid of grid style 2). Thunderball cells keep their marks.
void RandomSelection(SelectionGrid& grid, int n, int gridStyle, std::mt19937& generator);

// A generator seeded afresh from the system's entropy source and the clock.
std::mt19937 FreshlySeededGenerator();

} // namespace orvane
