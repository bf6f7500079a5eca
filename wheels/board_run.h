#pragma once
// Expanding a selection into the boards of a system: the checks a selection must pass, the play
// order of the marked numbers, and the one board built at a time.

#include "wheels/board_cells.h"
#include "wheels/selection_grid.h"

#include <array>
#include <functional>

namespace orvane {

class SystemList;

enum class ThunderballRule { ExactlyOne, AtLeastOne };

// Whether the selection fits the system chosen in `list`: as many main numbers as the system
// takes, as many fixed numbers as it fixes (all of them main numbers), and one Thunderball number
// (or at least one). A system that does not exist or has no table never passes.
bool SelectionCheck(const SelectionGrid& grid, const SystemList& list, ThunderballRule rule);

class BoardRun {
  public:
    static constexpr int kPlayOrderSize = 53;

    // Cell number at play-order position p (1..53), 0 where none was placed.
    int playOrder(int position) const {
        return m_playOrder[static_cast<std::size_t>(position - 1)];
    }
    // The board last built: 1 for its main numbers, the selection's Thunderball states in
    // 40..53.
    const BoardCells& currentBoard() const { return m_currentBoard; }
    int currentBoard(int cell) const { return m_currentBoard(cell); }

    int activeSystem() const { return m_activeSystem; }
    int boardCount() const { return m_boardCount; }
    int currentBoardNumber() const { return m_currentBoardNumber; }
    void setCurrentBoardNumber(int number) { m_currentBoardNumber = number; }
    // Moves the board number one step, never past the last board nor before the first; false
    // where it stays.
    bool StepToNextBoard();
    bool StepToPreviousBoard();

    // Fixed cells of 1..53 first, then selected ones, each group in ascending order.
    void RebuildPlayOrder(const SelectionGrid& grid);

    // Starts a run over the boards of system `systemIndex`: board number 1, that system active,
    // and its board count (0 for an index outside the catalogue, so no board is ever built).
    void StartRun(int systemIndex);

    // Builds board k of the active system into the current board and tells the listener. A board
    // number outside 1..boardCount changes nothing.
    void BuildBoard(int k, const SelectionGrid& grid);

    // Called after every board built (the boards view redraws itself from it).
    void setBoardBuiltListener(std::function<void()> listener) {
        m_onBoardBuilt = std::move(listener);
    }

  private:
    std::array<int, kPlayOrderSize> m_playOrder{};
    BoardCells m_currentBoard;
    int m_activeSystem = 0;
    int m_boardCount = 0;
    int m_currentBoardNumber = 0;
    std::function<void()> m_onBoardBuilt;
};

} // namespace orvane
