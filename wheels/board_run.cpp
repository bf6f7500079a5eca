#include "wheels/board_run.h"

#include "wheels/system_list.h"
#include "wheels/wheel_catalogue.h"

namespace orvane {

bool SelectionCheck(const SelectionGrid& grid, const SystemList& list, ThunderballRule rule) {
    const int index = CurrentSystemIndex(list);
    if (!HasCompleteTable(index))
        return false;
    const WheelSystem& system = WheelCatalogue(index);
    const int thunderballs = grid.CountCells(CellKind::Thunderball);
    const bool thunderballOk =
        rule == ThunderballRule::ExactlyOne ? thunderballs == 1 : thunderballs >= 1;
    int fixedMain = 0;
    for (int c = 1; c <= kMainNumbers; ++c)
        fixedMain += grid.state(c) == kFixed;
    // A fixed Thunderball cell would take a fixed main number's place in the play order and
    // leave boards short of a main number, so the fixed count must be made of main numbers.
    return grid.CountCells(CellKind::Main) == system.numberCount && thunderballOk &&
           grid.CountCells(CellKind::Fixed) == system.fixedCount && fixedMain == system.fixedCount;
}

void BoardRun::RebuildPlayOrder(const SelectionGrid& grid) {
    m_playOrder.fill(0);
    std::size_t p = 0;
    for (int c = 1; c <= kLastScreenCell; ++c)
        if (grid.state(c) == kFixed)
            m_playOrder[p++] = c;
    for (int c = 1; c <= kLastScreenCell; ++c)
        if (grid.state(c) == kSelected)
            m_playOrder[p++] = c;
}

void BoardRun::StartRun(int systemIndex) {
    m_currentBoardNumber = 1;
    m_activeSystem = systemIndex;
    m_boardCount = HasCompleteTable(systemIndex) ? WheelCatalogue(systemIndex).boardCount : 0;
}

bool BoardRun::StepToNextBoard() {
    if (m_currentBoardNumber >= m_boardCount)
        return false;
    ++m_currentBoardNumber;
    return true;
}

bool BoardRun::StepToPreviousBoard() {
    if (m_currentBoardNumber <= 1)
        return false;
    --m_currentBoardNumber;
    return true;
}

void BoardRun::BuildBoard(int k, const SelectionGrid& grid) {
    if (k < 1 || k > m_boardCount || !HasCompleteTable(m_activeSystem))
        return;
    for (int c = 1; c <= kMainNumbers; ++c)
        m_currentBoard.set(c, 0);
    const BoardPositions& row = CombinationTable(m_activeSystem)[static_cast<std::size_t>(k - 1)];
    for (const int position : row) {
        const int cell = playOrder(position);
        if (cell >= 1 && cell <= kLastScreenCell)
            m_currentBoard.set(cell, 1);
    }
    for (int c = kFirstThunderballCell; c <= kLastScreenCell; ++c)
        m_currentBoard.set(c, grid.state(c));
    if (m_onBoardBuilt)
        m_onBoardBuilt();
}

} // namespace orvane
