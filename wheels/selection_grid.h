#pragma once
// The player's marks: 70 cells, 1..39 the main numbers, 40..53 the Thunderball numbers 1..14,
// 54..70 kept only for game files.

#include <array>
#include <cstdint>

namespace orvane {

using CellState = std::int32_t;
constexpr CellState kEmpty = 0;
constexpr CellState kSelected = 1;
constexpr CellState kFixed = 2;

constexpr int kCellCount = 70;
constexpr int kMainNumbers = 39;
constexpr int kThunderballNumbers = 14;
constexpr int kFirstThunderballCell = 40;
constexpr int kLastScreenCell = 53;

// A draw takes five of the main numbers, and one Thunderball number of its own.
constexpr int kDrawnMainNumbers = 5;

constexpr int ThunderballCell(int thunderball) {
    return thunderball + kMainNumbers;
}

enum class CellKind { Main, Thunderball, Fixed };
enum class CellRange { Main, All }; // 1..39, 1..53

class SelectionGrid {
  public:
    CellState state(int cell) const { return m_cells[static_cast<std::size_t>(cell - 1)]; }
    void setState(int cell, CellState s) { m_cells[static_cast<std::size_t>(cell - 1)] = s; }

    // Cells of the kind whose state is selected or fixed (fixed only, for Fixed).
    int CountCells(CellKind kind) const;
    // Empties the range; cells 54..70 are never touched.
    void ClearCells(CellRange range);

    // The marks a click on the grid leaves, returning the cell's new state. A left click selects
    // an empty cell and empties any other; a right click fixes an empty or selected cell and
    // empties any other.
    CellState MarkByLeftClick(int cell);
    CellState MarkByRightClick(int cell);

    bool operator==(const SelectionGrid&) const = default;

  private:
    std::array<CellState, kCellCount> m_cells{};
};

} // namespace orvane
