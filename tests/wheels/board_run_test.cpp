#include "wheels/board_run.h"

#include "wheels/system_list.h"
#include "wheels/wheel_catalogue.h"

#include <gtest/gtest.h>
#include <vector>

namespace orvane {
namespace {

SystemList listChoosing(int index) {
    SystemList list;
    list.choose(list.positionOfSystem(index));
    return list;
}

SelectionGrid gridOf(std::vector<int> selected, std::vector<int> fixed = {}) {
    SelectionGrid grid;
    for (int c : selected)
        grid.setState(c, kSelected);
    for (int c : fixed)
        grid.setState(c, kFixed);
    return grid;
}

TEST(SelectionCheck, RequiresTheSystemsExactCounts) {
    const int t5 = ThunderballCell(5), t9 = ThunderballCell(9);
    const struct {
        const char* name;
        int system;
        SelectionGrid grid;
        bool exactlyOne; // buttons
        bool atLeastOne; // menu items
    } cases[] = {
        {"8 numbers, no fix, one Thunderball", 1, gridOf({1, 5, 9, 12, 20, 27, 33, 39, t5}), true,
         true},
        {"7 numbers: one too few", 1, gridOf({1, 5, 9, 12, 20, 27, 33, t5}), false, false},
        {"9 numbers: one too many", 1, gridOf({1, 5, 9, 12, 20, 27, 33, 38, 39, t5}), false, false},
        {"a fixed number the system does not take", 1, gridOf({5, 9, 12, 20, 27, 33, 39, t5}, {1}),
         false, false},
        {"no Thunderball", 1, gridOf({1, 5, 9, 12, 20, 27, 33, 39}), false, false},
        {"two Thunderballs: menu only", 1, gridOf({1, 5, 9, 12, 20, 27, 33, 39, t5, t9}), false,
         true},
        {"7 with one fixed", 8, gridOf({2, 3, 4, 5, 6, 7, t5}, {30}), true, true},
        {"7 selected, none fixed", 8, gridOf({2, 3, 4, 5, 6, 7, 30, t5}), false, false},
        {"5 selected, 2 fixed", 8, gridOf({2, 3, 4, 5, 6, t5}, {7, 30}), false, false},
        // The only fixed mark is a Thunderball: the counts match, but boards would lose a number.
        {"fixed Thunderball instead of a fixed number", 8, gridOf({2, 3, 4, 5, 6, 7, 30}, {t5}),
         false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const SystemList list = listChoosing(c.system);
        EXPECT_EQ(SelectionCheck(c.grid, list, ThunderballRule::ExactlyOne), c.exactlyOne);
        EXPECT_EQ(SelectionCheck(c.grid, list, ThunderballRule::AtLeastOne), c.atLeastOne);
    }
}

TEST(SelectionCheck, NoChosenSystemIsRefused) {
    SystemList list;
    list.choose(-1);
    const SelectionGrid grid = gridOf({1, 5, 9, 12, 20, 27, 33, 39, ThunderballCell(1)});
    EXPECT_FALSE(SelectionCheck(grid, list, ThunderballRule::AtLeastOne));
}

TEST(BoardRun, PlayOrderPutsFixedCellsFirst) {
    const SelectionGrid grid = gridOf({33, 2, 17, ThunderballCell(4), 9}, {25, ThunderballCell(2)});
    BoardRun run;
    run.RebuildPlayOrder(grid);
    const std::vector<int> expected = {25, ThunderballCell(2), 2, 9, 17, 33, ThunderballCell(4)};
    for (std::size_t p = 0; p < expected.size(); ++p)
        EXPECT_EQ(run.playOrder(static_cast<int>(p) + 1), expected[p]) << p;
    for (int p = static_cast<int>(expected.size()) + 1; p <= BoardRun::kPlayOrderSize; ++p)
        EXPECT_EQ(run.playOrder(p), 0) << p;
}

TEST(BoardRun, BuildsEveryBoardFromThePlayOrder) {
    // System 8: seven numbers, the first fixed; 15 boards.
    const SelectionGrid grid =
        gridOf({3, 11, 18, 24, 35, 39, ThunderballCell(6), ThunderballCell(12)}, {20});
    BoardRun run;
    run.RebuildPlayOrder(grid);
    run.StartRun(8);
    ASSERT_EQ(run.boardCount(), 15);
    int built = 0;
    run.setBoardBuiltListener([&built] { ++built; });
    for (int k = 1; k <= run.boardCount(); ++k) {
        SCOPED_TRACE(k);
        run.BuildBoard(k, grid);
        int mainNumbers = 0;
        for (int c = 1; c <= kMainNumbers; ++c) {
            mainNumbers += run.currentBoard(c);
            if (run.currentBoard(c)) {
                EXPECT_NE(grid.state(c), kEmpty);
            }
        }
        EXPECT_EQ(mainNumbers, 5);
        EXPECT_EQ(run.currentBoard(20), 1); // the fixed number is on every board
        EXPECT_EQ(run.currentBoard(ThunderballCell(6)), kSelected);
        EXPECT_EQ(run.currentBoard(ThunderballCell(12)), kSelected);
        // Board k's positions, mapped through the play order 20, 3, 11, 18, 24, 35, 39.
        const int order[] = {0, 20, 3, 11, 18, 24, 35, 39};
        for (int position : CombinationTable(8)[static_cast<std::size_t>(k - 1)])
            EXPECT_EQ(run.currentBoard(order[position]), 1);
    }
    EXPECT_EQ(built, 15);
}

TEST(BoardRun, BoardsOutsideTheRunChangeNothing) {
    const SelectionGrid grid = gridOf({1, 5, 9, 12, 20, 27, 33, 39, ThunderballCell(1)});
    BoardRun run;
    run.RebuildPlayOrder(grid);
    run.StartRun(1);
    run.BuildBoard(2, grid);
    std::vector<int> before;
    for (int c = 1; c <= kLastScreenCell; ++c)
        before.push_back(run.currentBoard(c));
    int built = 0;
    run.setBoardBuiltListener([&built] { ++built; });
    run.BuildBoard(run.boardCount() + 1, grid);
    run.BuildBoard(0, grid);
    for (int c = 1; c <= kLastScreenCell; ++c)
        EXPECT_EQ(run.currentBoard(c), before[static_cast<std::size_t>(c - 1)]);
    EXPECT_EQ(built, 0);

    // Building board 1 after board 2 keeps none of board 2's numbers that board 1 lacks.
    run.BuildBoard(1, grid);
    BoardRun fresh;
    fresh.RebuildPlayOrder(grid);
    fresh.StartRun(1);
    fresh.BuildBoard(1, grid);
    for (int c = 1; c <= kLastScreenCell; ++c)
        EXPECT_EQ(run.currentBoard(c), fresh.currentBoard(c)) << c;
}

TEST(BoardRun, AnIndexOutsideTheCatalogueHasNoBoards) {
    const SelectionGrid grid = gridOf({1, 5, 9, 12, 20, 27, 33, 39, ThunderballCell(1)});
    BoardRun run;
    run.RebuildPlayOrder(grid);
    for (int index : {-1, 0, 72}) {
        run.StartRun(index);
        EXPECT_EQ(run.boardCount(), 0);
        EXPECT_EQ(run.currentBoardNumber(), 1);
        run.BuildBoard(1, grid); // must not touch the catalogue
        EXPECT_EQ(run.currentBoard(1), 0);
    }
}

TEST(BoardRun, StepsStayWithinTheBoardsOfTheRun) {
    BoardRun run;
    run.StartRun(1);
    const int last = run.boardCount();
    ASSERT_GT(last, 1);
    EXPECT_FALSE(run.StepToPreviousBoard());
    EXPECT_EQ(run.currentBoardNumber(), 1);
    for (int expected = 2; expected <= last; ++expected) {
        EXPECT_TRUE(run.StepToNextBoard());
        EXPECT_EQ(run.currentBoardNumber(), expected);
    }
    EXPECT_FALSE(run.StepToNextBoard());
    EXPECT_EQ(run.currentBoardNumber(), last);
    EXPECT_TRUE(run.StepToPreviousBoard());
    EXPECT_EQ(run.currentBoardNumber(), last - 1);

    // A run without boards never moves: board 1 of nothing stays where it is both ways.
    run.StartRun(0);
    EXPECT_FALSE(run.StepToNextBoard());
    EXPECT_FALSE(run.StepToPreviousBoard());
    EXPECT_EQ(run.currentBoardNumber(), 1);
}

} // namespace
} // namespace orvane
