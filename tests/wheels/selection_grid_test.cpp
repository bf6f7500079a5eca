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

} // namespace
} // namespace orvane
