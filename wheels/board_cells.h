#pragma once
// One board of a system as the run builds it, cell by cell.

#include "wheels/selection_grid.h"

#include <array>

namespace orvane {

// A board indexed by cell 1..53; an entry of exactly 1 is a number of the board (main number n
// at cell n, Thunderball t at cell 39 + t). The run copies the selection's Thunderball states
// into 40..53, so a fixed Thunderball reads 2 there.
class BoardCells {
  public:
    int operator()(int cell) const { return m_cells[static_cast<std::size_t>(cell - 1)]; }
    void set(int cell, int value) { m_cells[static_cast<std::size_t>(cell - 1)] = value; }

  private:
    std::array<int, kLastScreenCell> m_cells{};
};

} // namespace orvane
