// Putting back the selection a command replaced, newest first.
#include "wheels/selection_undo.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(SelectionUndo, PutsBackEachKeptSelectionAndItsSystemNewestFirst) {
    SelectionGrid grid;
    SystemList list;
    SelectionUndo undo;
    EXPECT_FALSE(undo.undo(grid, list)) << "nothing kept";

    grid.setState(3, kSelected);
    grid.setState(20, kFixed);
    list.choose(4);
    const SelectionGrid first = grid;
    undo.remember(grid, list);
    grid.ClearCells(CellRange::All);
    grid.setState(7, kSelected);
    list.choose(9);
    const SelectionGrid second = grid;
    undo.remember(grid, list);
    grid.ClearCells(CellRange::All);
    list.choose(-1);

    ASSERT_TRUE(undo.undo(grid, list));
    EXPECT_EQ(grid, second);
    EXPECT_EQ(list.chosenPosition(), 9);
    ASSERT_TRUE(undo.undo(grid, list));
    EXPECT_EQ(grid, first);
    EXPECT_EQ(list.chosenPosition(), 4);
    EXPECT_FALSE(undo.canUndo());
    EXPECT_FALSE(undo.undo(grid, list));
    EXPECT_EQ(grid, first) << "nothing left to undo changes nothing";
}

TEST(SelectionUndo, AMarkByHandForgetsWhatWasKept) {
    SelectionGrid grid;
    SystemList list;
    SelectionUndo undo;
    undo.remember(grid, list);
    undo.forget();
    EXPECT_FALSE(undo.canUndo());
}

TEST(SelectionUndo, KeepsTheNewestWhenTheOldestMustGo) {
    SelectionGrid grid;
    SystemList list;
    SelectionUndo undo;
    for (int cell = 1; cell <= 39; ++cell) {
        grid.setState(cell, kSelected);
        undo.remember(grid, list);
    }
    int undone = 0;
    while (undo.undo(grid, list))
        ++undone;
    EXPECT_GT(undone, 0);
    EXPECT_LT(undone, 39);
    // The oldest put back is the last one kept, not the first.
    EXPECT_EQ(grid.CountCells(CellKind::Main), 39 - undone + 1);
}

} // namespace
} // namespace orvane
