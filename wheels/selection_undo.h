#pragma once
// What Ctrl+Z puts back: the marks and the chosen system as they stood before "Clear the boards",
// "Random numbers" or a game loaded, newest first.

#include "wheels/selection_grid.h"
#include "wheels/system_list.h"

#include <cstddef>
#include <vector>

namespace orvane {

class SelectionUndo {
  public:
    // Keeps the selection as it stands, before a command replaces it.
    void remember(const SelectionGrid& grid, const SystemList& list);
    // Puts back the selection kept last; false, changing nothing, when none is kept.
    bool undo(SelectionGrid& grid, SystemList& list);
    // A mark made by hand: what was kept before it can no longer be put back without losing it.
    void forget() { m_kept.clear(); }
    bool canUndo() const { return !m_kept.empty(); }

  private:
    struct Kept {
        SelectionGrid grid;
        // The system, not its position: a wheel a game brought in may have moved the player's
        // wheels listed after it.
        int chosenSystem;
    };
    // Enough for any run of commands a player undoes by hand.
    static constexpr std::size_t kMostKept = 32;
    std::vector<Kept> m_kept;
};

} // namespace orvane
