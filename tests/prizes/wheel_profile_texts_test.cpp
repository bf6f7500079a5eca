// The sentences of the wheel profile window, from the profiles of catalogue systems and of a table
// that misses its guarantee.

#include "prizes/wheel_profile_texts.h"

#include "wheels/wheel_catalogue.h"

#include <gtest/gtest.h>

#include <vector>

namespace orvane {
namespace {

TEST(WheelProfileTexts, GuaranteeStatesTheCasesItWasProvenOn) {
    const auto table38 = CombinationTable(38);
    const std::vector<BoardPositions> system38WithoutItsFirstBoard(table38.begin() + 1,
                                                                   table38.end());
    const struct {
        const char* what;
        WheelProfile profile;
        const char* text;
    } cases[] = {
        {"4 if 5 on 11 numbers", ProfileOfSystem(14),
         "Guarantee \"4 if 5\": holds for all 462 ways 5 drawn numbers can fall among your 11; "
         "the best board then holds at least 4 of them."},
        {"a full system", ProfileOfSystem(13),
         "Guarantee \"5 if 5\": holds for all 252 ways 5 drawn numbers can fall among your 10; "
         "the best board then holds at least 5 of them."},
        {"3 if 4 on 25 numbers", ProfileOfSystem(71),
         "Guarantee \"3 if 4\": holds for all 12,650 ways 4 drawn numbers can fall among your "
         "25; the best board then holds at least 3 of them."},
        {"one fixed number", ProfileOfSystem(8),
         "Guarantee \"5 if 5\" (including fixes): holds for all 15 ways 5 drawn numbers can "
         "fall among your 7 with your fixed number drawn; without it the best board holds at "
         "least 4 in the other 6 ways."},
        {"one fixed number among 11", ProfileOfSystem(12),
         "Guarantee \"5 if 5\" (including fixes): holds for all 210 ways 5 drawn numbers can "
         "fall among your 11 with your fixed number drawn; without it the best board holds at "
         "least 4 in the other 252 ways."},
        {"a table a board short",
         ProfileWheel(system38WithoutItsFirstBoard, ParametersOfSystem(38)),
         "Guarantee \"3 if 3\": does not hold: in some of the 35 ways 3 drawn numbers can fall "
         "among your 7, the best board holds only 2."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(GuaranteeText(c.profile), c.text);
    }
}

TEST(WheelProfileTexts, EveryThunderballNumberOfABoardIsALine) {
    const struct {
        const char* what;
        std::vector<int> thunderballs;
        std::vector<int> otherCells; // marked, but on no board
        int boards;
        int linesPerBoard;
        const char* text;
    } cases[] = {
        {"none marked",
         {},
         {},
         15,
         1,
         "No Thunderball number is marked: counted as one, a line a board, 15 lines a draw."},
        {"one",
         {7},
         {},
         252,
         1,
         "Every board carries your Thunderball number: a line a board, 252 lines a draw."},
        {"two",
         {3, 11},
         {},
         15,
         2,
         "Every board carries your 2 Thunderball numbers: 2 lines a board, 30 lines a draw."},
        {"a game file's cell past the Thunderballs is on no board",
         {14},
         {60},
         2,
         1,
         "Every board carries your Thunderball number: a line a board, 2 lines a draw."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SelectionGrid grid;
        for (const int t : c.thunderballs)
            grid.setState(ThunderballCell(t), kSelected);
        for (const int cell : c.otherCells)
            grid.setState(cell, kSelected);
        EXPECT_EQ(LinesPerBoard(grid), c.linesPerBoard);
        EXPECT_EQ(ThunderballLinesText(grid, c.boards), c.text);
    }
}

TEST(WheelProfileTexts, CostAndWhatComesBackOfEachPound) {
    EXPECT_EQ(CostText(30, 100), "30 lines at \xC2\xA3"
                                 "1.00: \xC2\xA3"
                                 "30.00");
    EXPECT_EQ(CostText(1, 250), "1 line at \xC2\xA3"
                                "2.50: \xC2\xA3"
                                "2.50");
    EXPECT_EQ(CostText(1'512, 1'000), "1,512 lines at \xC2\xA3"
                                      "10.00: \xC2\xA3"
                                      "15,120.00");
    EXPECT_EQ(ReturnPerPoundText(1404.6, 3000), "\xC2\xA3"
                                                "0.47 back for every \xC2\xA3"
                                                "1 staked");
    EXPECT_EQ(ReturnPerPoundText(1404.6, 0), "");
}

} // namespace
} // namespace orvane
