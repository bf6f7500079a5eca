#include "wheels/selection_grid.h"

namespace orvane {

int SelectionGrid::CountCells(CellKind kind) const {
    int count = 0;
    switch (kind) {
    case CellKind::Main:
        for (int c = 1; c <= kMainNumbers; ++c)
            count += (state(c) == kSelected || state(c) == kFixed);
        break;
    case CellKind::Thunderball:
        for (int c = kFirstThunderballCell; c <= kCellCount; ++c)
            count += (state(c) == kSelected || state(c) == kFixed);
        break;
    case CellKind::Fixed:
        for (int c = 1; c <= kLastScreenCell; ++c)
            count += (state(c) == kFixed);
        break;
    }
    return count;
}

void SelectionGrid::ClearCells(CellRange range) {
    const int last = range == CellRange::Main ? kMainNumbers : kLastScreenCell;
    for (int c = 1; c <= last; ++c)
        setState(c, kEmpty);
}

CellState SelectionGrid::MarkByLeftClick(int cell) {
    setState(cell, state(cell) == kEmpty ? kSelected : kEmpty);
    return state(cell);
}

CellState SelectionGrid::MarkByRightClick(int cell) {
    const CellState s = state(cell);
    setState(cell, s == kEmpty || s == kSelected ? kFixed : kEmpty);
    return state(cell);
}

} // namespace orvane
