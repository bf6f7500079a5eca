#include "results/draw_comparison.h"

#include "app/session.h"
#include "wheels/system_list.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <utility>

namespace orvane {
namespace {

BoardCells Board(std::initializer_list<int> mainNumbers, std::initializer_list<int> thunderballs) {
    BoardCells board;
    for (int n : mainNumbers)
        board.set(n, 1);
    for (int t : thunderballs)
        board.set(ThunderballCell(t), 1);
    return board;
}

RankCounts Counts(std::initializer_list<std::pair<PrizeRank, int>> entries) {
    RankCounts counts;
    for (const auto& [rank, boards] : entries)
        counts.add(rank, boards);
    return counts;
}

const Draw kDraw{{3, 12, 25, 30, 38}, 7};

struct BoardCase {
    const char* name;
    int boardNumber;
    BoardCells board;
    Draw draw;
    const char* line;
    RankCounts counts;
};

using R = PrizeRank;

TEST(CompareBoard, WritesTheLineAndCountsTheRanks) {
    const BoardCase cases[] = {
        {"three matches and the Thunderball", 7, Board({3, 12, 25, 31, 39}, {7}), kDraw,
         "007 : MB:-03-12-25-31-39 T:-7 -> MB:3 T: 1", Counts({{R::ThreePlusT, 1}})},
        {"five matches, one of two Thunderballs drawn", 12, Board({3, 12, 25, 30, 38}, {7, 9}),
         kDraw, "012 : MB:-03-12-25-30-38 T:-7-9 -> MB:5 T: 1 + 1 fois MB:5 T:0",
         Counts({{R::FivePlusT, 1}, {R::Five, 1}})},
        {"nothing matches", 120, Board({1, 2, 4, 5, 6}, {9}), kDraw,
         "120 : MB:-01-02-04-05-06 T:-9 -> MB:0 T:0", Counts({})},
        {"five matches and the Thunderball", 1, Board({3, 12, 25, 30, 38}, {7}), kDraw,
         "001 : MB:-03-12-25-30-38 T:-7 -> MB:5 T: 1", Counts({{R::FivePlusT, 1}})},
        {"five matches without the Thunderball", 2, Board({3, 12, 25, 30, 38}, {8}), kDraw,
         "002 : MB:-03-12-25-30-38 T:-8 -> MB:5 T:0", Counts({{R::Five, 1}})},
        {"five matches, three Thunderballs, none drawn", 3, Board({3, 12, 25, 30, 38}, {8, 9, 10}),
         kDraw, "003 : MB:-03-12-25-30-38 T:-8-9-10 -> MB:5 T:0", Counts({{R::Five, 1}})},
        {"five matches, three Thunderballs, one drawn", 4, Board({3, 12, 25, 30, 38}, {2, 7, 14}),
         kDraw, "004 : MB:-03-12-25-30-38 T:-2-7-14 -> MB:5 T: 1 + 2 fois MB:5 T:0",
         Counts({{R::FivePlusT, 1}, {R::Five, 2}})},
        {"four matches and the Thunderball", 5, Board({3, 12, 25, 30, 39}, {7}), kDraw,
         "005 : MB:-03-12-25-30-39 T:-7 -> MB:4 T: 1", Counts({{R::FourPlusT, 1}})},
        {"four matches without the Thunderball", 6, Board({3, 12, 25, 30, 39}, {6}), kDraw,
         "006 : MB:-03-12-25-30-39 T:-6 -> MB:4 T:0", Counts({{R::Four, 1}})},
        {"four matches, two Thunderballs, one drawn", 8, Board({3, 12, 25, 30, 39}, {1, 7}), kDraw,
         "008 : MB:-03-12-25-30-39 T:-1-7 -> MB:4 T: 1 + 1 fois MB:4 T:0",
         Counts({{R::FourPlusT, 1}, {R::Four, 1}})},
        {"four matches, two Thunderballs, none drawn", 9, Board({3, 12, 25, 30, 39}, {1, 2}), kDraw,
         "009 : MB:-03-12-25-30-39 T:-1-2 -> MB:4 T:0", Counts({{R::Four, 1}})},
        {"three matches without the Thunderball", 10, Board({3, 12, 25, 31, 39}, {14}), kDraw,
         "010 : MB:-03-12-25-31-39 T:-14 -> MB:3 T:0", Counts({{R::Three, 1}})},
        {"three matches, four Thunderballs, one drawn", 11,
         Board({3, 12, 25, 31, 39}, {7, 10, 11, 12}), kDraw,
         "011 : MB:-03-12-25-31-39 T:-7-10-11-12 -> MB:3 T: 1 + 3 fois MB:3 T:0",
         Counts({{R::ThreePlusT, 1}, {R::Three, 3}})},
        {"two matches and the Thunderball", 13, Board({1, 2, 3, 4, 12}, {7}), kDraw,
         "013 : MB:-01-02-03-04-12 T:-7 -> MB:2 T: 1", Counts({{R::TwoPlusT, 1}})},
        {"two matches without the Thunderball", 14, Board({1, 2, 3, 4, 12}, {6}), kDraw,
         "014 : MB:-01-02-03-04-12 T:-6 -> MB:2 T:0", Counts({})},
        {"two matches, two Thunderballs, one drawn: no prize for two alone", 15,
         Board({1, 2, 3, 4, 12}, {7, 8}), kDraw, "015 : MB:-01-02-03-04-12 T:-7-8 -> MB:2 T: 1",
         Counts({{R::TwoPlusT, 1}})},
        {"one match and the Thunderball", 16, Board({1, 2, 4, 5, 38}, {7}), kDraw,
         "016 : MB:-01-02-04-05-38 T:-7 -> MB:1 T: 1", Counts({{R::OnePlusT, 1}})},
        {"one match without the Thunderball", 17, Board({1, 2, 4, 5, 38}, {13}), kDraw,
         "017 : MB:-01-02-04-05-38 T:-13 -> MB:1 T:0", Counts({})},
        {"one match, two Thunderballs, one drawn", 18, Board({1, 2, 4, 5, 38}, {7, 13}), kDraw,
         "018 : MB:-01-02-04-05-38 T:-7-13 -> MB:1 T: 1", Counts({{R::OnePlusT, 1}})},
        {"no match with the Thunderball: the Thunderball alone, which no counter shows", 19,
         Board({1, 2, 4, 5, 6}, {7}), kDraw, "019 : MB:-01-02-04-05-06 T:-7 -> MB:0 T: 1",
         Counts({{R::ZeroPlusT, 1}})},
        {"no match, two Thunderballs, one drawn: the Thunderball alone once", 20,
         Board({1, 2, 4, 5, 6}, {7, 8}), kDraw, "020 : MB:-01-02-04-05-06 T:-7-8 -> MB:0 T: 1",
         Counts({{R::ZeroPlusT, 1}})},
        {"the draw's order does not matter", 99, Board({3, 12, 25, 30, 38}, {14}),
         Draw{{38, 30, 25, 12, 3}, 14}, "099 : MB:-03-12-25-30-38 T:-14 -> MB:5 T: 1",
         Counts({{R::FivePlusT, 1}})},
        {"a Thunderball equal to a main number is its own draw", 100,
         Board({7, 12, 25, 30, 38}, {3}), Draw{{3, 7, 25, 30, 38}, 7},
         "100 : MB:-07-12-25-30-38 T:-3 -> MB:4 T:0", Counts({{R::Four, 1}})},
        {"largest board number", 252, Board({35, 36, 37, 38, 39}, {1, 14}),
         Draw{{35, 36, 37, 38, 39}, 14},
         "252 : MB:-35-36-37-38-39 T:-1-14 -> MB:5 T: 1 + 1 fois MB:5 T:0",
         Counts({{R::FivePlusT, 1}, {R::Five, 1}})},
    };
    for (const BoardCase& c : cases) {
        SCOPED_TRACE(c.name);
        const BoardComparison compared = CompareBoard(c.boardNumber, c.board, c.draw);
        EXPECT_EQ(compared.line, c.line);
        EXPECT_EQ(compared.counts, c.counts);
    }
}

TEST(CompareBoard, TakesOnlyEntriesOfExactlyOneAsNumbersOfTheBoard) {
    BoardCells board = Board({3, 12, 25, 30}, {9});
    board.set(38, 2);
    board.set(ThunderballCell(7), 2);
    const BoardComparison compared = CompareBoard(1, board, kDraw);
    EXPECT_EQ(compared.line, "001 : MB:-03-12-25-30 T:-9 -> MB:4 T:0");
    EXPECT_EQ(compared.counts, Counts({{R::Four, 1}}));
}

TEST(DrawCheck, RefusesAnyMainNumberTwiceAndOnlyThat) {
    const std::pair<int, int> pairs[] = {{0, 1}, {0, 2}, {0, 3}, {0, 4}, {1, 2},
                                         {1, 3}, {1, 4}, {2, 3}, {2, 4}, {3, 4}};
    for (int n = 1; n <= kMainNumbers; ++n) {
        for (const auto& [first, second] : pairs) {
            SCOPED_TRACE(testing::Message()
                         << "number " << n << " in lists " << first + 1 << " and " << second + 1);
            Draw draw{{}, 1};
            int other = n;
            for (std::size_t i = 0; i < draw.main.size(); ++i) {
                other = other % kMainNumbers + 1; // distinct numbers that all differ from n
                draw.main[i] = other;
            }
            EXPECT_FALSE(HasRepeatedMainNumber(draw));
            draw.main[static_cast<std::size_t>(first)] = n;
            draw.main[static_cast<std::size_t>(second)] = n;
            EXPECT_TRUE(HasRepeatedMainNumber(draw));
        }
    }
    EXPECT_FALSE(HasRepeatedMainNumber(Draw{{3, 7, 12, 25, 30}, 7}));
}

// A full system of nine numbers: its 126 boards are every five of the nine, so a draw of five of
// them is matched m times by C(5,m) * C(4,5-m) boards.
class CompareBoardsWithDrawTest : public ::testing::Test {
  protected:
    static constexpr int kFullNine = 7;

    void SetUp() override {
        session.systemList.choose(session.systemList.positionOfSystem(kFullNine));
        for (int n : {2, 5, 9, 14, 18, 22, 27, 33, 39})
            session.grid.setState(n, kSelected);
        session.grid.setState(ThunderballCell(5), kSelected);
    }
    void rebuild() { session.run.RebuildPlayOrder(session.grid); }

    Session session;
};

TEST_F(CompareBoardsWithDrawTest, ListsEveryBoardAndCountsEachRank) {
    rebuild();
    const ComparisonResult result =
        CompareBoardsWithDraw(session.boards(), Draw{{2, 5, 9, 14, 18}, 5});
    ASSERT_EQ(result.lines.size(), 126u);
    EXPECT_EQ(result.lines[0], "001 : MB:-02-05-09-14-18 T:-5 -> MB:5 T: 1");
    EXPECT_EQ(result.lines[8].substr(0, 6), "009 : ");
    EXPECT_EQ(result.lines[9].substr(0, 6), "010 : ");
    EXPECT_EQ(result.lines[98].substr(0, 6), "099 : ");
    EXPECT_EQ(result.lines[99].substr(0, 6), "100 : ");
    EXPECT_EQ(result.lines[125], "126 : MB:-18-22-27-33-39 T:-5 -> MB:1 T: 1");
    EXPECT_EQ(result.counts, Counts({{R::FivePlusT, 1},
                                     {R::FourPlusT, 20},
                                     {R::ThreePlusT, 60},
                                     {R::TwoPlusT, 40},
                                     {R::OnePlusT, 5}}));
}

TEST_F(CompareBoardsWithDrawTest, CountsTheOtherThunderballsOfEveryBoardFromThreeMatchesUp) {
    session.grid.setState(ThunderballCell(11), kSelected);
    rebuild();
    const ComparisonResult result =
        CompareBoardsWithDraw(session.boards(), Draw{{2, 5, 9, 14, 18}, 11});
    EXPECT_EQ(result.lines[0], "001 : MB:-02-05-09-14-18 T:-5-11 -> MB:5 T: 1 + 1 fois MB:5 T:0");
    EXPECT_EQ(result.counts, Counts({{R::FivePlusT, 1},
                                     {R::Five, 1},
                                     {R::FourPlusT, 20},
                                     {R::Four, 20},
                                     {R::ThreePlusT, 60},
                                     {R::Three, 60},
                                     {R::TwoPlusT, 40},
                                     {R::OnePlusT, 5}}));
}

TEST_F(CompareBoardsWithDrawTest, StartsTheRunAfreshAndLeavesTheLastBoardBuilt) {
    rebuild();
    session.run.StartRun(1);
    session.run.setCurrentBoardNumber(4);
    int boardsBuilt = 0;
    session.run.setBoardBuiltListener([&boardsBuilt] { ++boardsBuilt; });

    CompareBoardsWithDraw(session.boards(), Draw{{1, 2, 3, 4, 6}, 1});

    EXPECT_EQ(boardsBuilt, 126);
    EXPECT_EQ(session.run.currentBoardNumber(), 1);
    EXPECT_EQ(session.run.activeSystem(), kFullNine);
    EXPECT_EQ(session.run.boardCount(), 126);
    for (int n = 1; n <= kMainNumbers; ++n) {
        SCOPED_TRACE(n);
        const bool onLastBoard = n == 18 || n == 22 || n == 27 || n == 33 || n == 39;
        EXPECT_EQ(session.run.currentBoard(n), onLastBoard ? 1 : 0);
    }
    EXPECT_EQ(session.run.currentBoard(ThunderballCell(5)), 1);
}

TEST_F(CompareBoardsWithDrawTest, NoChosenSystemGivesNoLines) {
    rebuild();
    session.systemList.choose(-1);
    const ComparisonResult result =
        CompareBoardsWithDraw(session.boards(), Draw{{2, 5, 9, 14, 18}, 5});
    EXPECT_TRUE(result.lines.empty());
    EXPECT_EQ(result.counts, RankCounts{});
    EXPECT_EQ(session.run.boardCount(), 0);
}

} // namespace
} // namespace orvane
