#include "wheels/selection_grid.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(SelectionGrid, CountsEachKindOverItsCells) {
    SelectionGrid grid;
    for (int c = 1; c <= kMainNumbers; ++c)
        grid.setState(c, kSelected);
    for (int t = 1; t <= kThunderballNumbers; ++t)
        grid.setState(ThunderballCell(t), kSelected);
    EXPECT_EQ(grid.CountCells(CellKind::Main), 39);
    EXPECT_EQ(grid.CountCells(CellKind::Thunderball), 14);
    EXPECT_EQ(grid.CountCells(CellKind::Fixed), 0);

    // A fixed Thunderball counts as fixed and as a Thunderball; cells past 53 count as Thunderballs
    // but never as fixed; states other than 0..2 count nowhere.
    grid.setState(ThunderballCell(5), kFixed);
    grid.setState(60, kFixed);
    grid.setState(7, 9);
    EXPECT_EQ(grid.CountCells(CellKind::Main), 38);
    EXPECT_EQ(grid.CountCells(CellKind::Thunderball), 15);
    EXPECT_EQ(grid.CountCells(CellKind::Fixed), 1);
}

TEST(SelectionGrid, ClearingNeverTouchesTheHiddenCells) {
    SelectionGrid grid;
    for (int c = 1; c <= kCellCount; ++c)
        grid.setState(c, c % 2 ? kSelected : kFixed);
    grid.ClearCells(CellRange::Main);
    EXPECT_EQ(grid.state(39), kEmpty);
    EXPECT_EQ(grid.state(40), kFixed);
    grid.ClearCells(CellRange::All);
    for (int c = 1; c <= kLastScreenCell; ++c)
        EXPECT_EQ(grid.state(c), kEmpty) << c;
    for (int c = kLastScreenCell + 1; c <= kCellCount; ++c)
        EXPECT_EQ(grid.state(c), c % 2 ? kSelected : kFixed) << c;
}

TEST(SelectionGrid, ClicksMarkCellsInTheirCycles) {
    struct Case {
        CellState before;
        CellState afterLeft;
        CellState afterRight;
    };
    // A state other than the three marks (a game file may hold one) counts as marked: either
    // click empties it.
    const Case cases[] = {
        {kEmpty, kSelected, kFixed},
        {kSelected, kEmpty, kFixed},
        {kFixed, kEmpty, kEmpty},
        {7, kEmpty, kEmpty},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.before);
        for (int cell : {1, kMainNumbers, ThunderballCell(1), kLastScreenCell}) {
            SelectionGrid left;
            left.setState(cell, c.before);
            EXPECT_EQ(left.MarkByLeftClick(cell), c.afterLeft);
            EXPECT_EQ(left.state(cell), c.afterLeft);
            SelectionGrid right;
            right.setState(cell, c.before);
            EXPECT_EQ(right.MarkByRightClick(cell), c.afterRight);
            EXPECT_EQ(right.state(cell), c.afterRight);
            // Only the clicked cell changes.
            left.setState(cell, kEmpty);
            right.setState(cell, kEmpty);
            EXPECT_EQ(left, SelectionGrid{});
            EXPECT_EQ(right, SelectionGrid{});
        }
    }
}

} // namespace
} // namespace orvane
