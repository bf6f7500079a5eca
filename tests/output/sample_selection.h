#pragma once
// Selections that give known boards, set straight into a session.

#include "app/session.h"

#include <initializer_list>

namespace orvane::test {

// Chooses system `index`, marks the cells and builds the play order, as a passing check does.
inline void MarkSelection(Session& session, int index, std::initializer_list<int> fixed,
                          std::initializer_list<int> selected,
                          std::initializer_list<int> thunderballs) {
    session.systemList.choose(session.systemList.positionOfSystem(index));
    session.grid.ClearCells(CellRange::All);
    for (int c : fixed)
        session.grid.setState(c, kFixed);
    for (int c : selected)
        session.grid.setState(c, kSelected);
    for (int t : thunderballs)
        session.grid.setState(ThunderballCell(t), kSelected);
    session.run.RebuildPlayOrder(session.grid);
}

// System 8 (seven numbers, one fixed, 15 boards) with 39 fixed and 1..6 selected: 39 is on every
// board, board 1 holds 1 2 3 4 39 and board 6 holds 1 2 5 6 39.
inline void MarkFixed39(Session& session, std::initializer_list<int> thunderballs) {
    MarkSelection(session, 8, {39}, {1, 2, 3, 4, 5, 6}, thunderballs);
}

} // namespace orvane::test
