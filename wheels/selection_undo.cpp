#include "wheels/selection_undo.h"

namespace orvane {

void SelectionUndo::remember(const SelectionGrid& grid, const SystemList& list) {
    if (m_kept.size() == kMostKept)
        m_kept.erase(m_kept.begin());
    m_kept.push_back({grid, CurrentSystemIndex(list)});
}

bool SelectionUndo::undo(SelectionGrid& grid, SystemList& list) {
    if (m_kept.empty())
        return false;
    const Kept& last = m_kept.back();
    grid = last.grid;
    list.choose(list.positionOfSystem(last.chosenSystem));
    m_kept.pop_back();
    return true;
}

} // namespace orvane
