// Every board of a system against every stored draw: each draw counted as the comparison with
// that one draw counts it, and the money by the prize table.
#include "results/draw_history_check.h"

#include "app/session.h"
#include "prizes/operator_prizes.h"
#include "results/draw_comparison.h"
#include "wheels/system_list.h"

#include <algorithm>
#include <bit>
#include <gtest/gtest.h>
#include <numeric>
#include <random>

namespace orvane {
namespace {

using R = PrizeRank;

StoredDraw Dated(int day, int month, int year, std::array<int, 5> main, int thunderball) {
    return MakeStoredDraw(DrawDate{year, month, day}, Draw{main, thunderball});
}

// A prize table whose amounts tell the ranks apart in any sum: rank r pays 10^r pence.
PrizeTable PowersOfTen() {
    PrizeTable prizes;
    std::int64_t amount = 1;
    for (const PrizeRank rank : kPrizeRanks) {
        prizes.setAmount(rank, amount);
        amount *= 10;
    }
    prizes.pricePerBoard = 100;
    return prizes;
}

// The full system of nine numbers (126 boards, every five of the nine) over 2 5 9 14 18 22 27 33
// 39, with Thunderball 5 and any others asked for.
class CheckEveryDrawTest : public ::testing::Test {
  protected:
    static constexpr int kFullNine = 7;

    void mark(std::initializer_list<int> thunderballs) {
        session.systemList.choose(session.systemList.positionOfSystem(kFullNine));
        for (int n : {2, 5, 9, 14, 18, 22, 27, 33, 39})
            session.grid.setState(n, kSelected);
        for (int t : thunderballs)
            session.grid.setState(ThunderballCell(t), kSelected);
        session.run.RebuildPlayOrder(session.grid);
    }

    Session session;
};

TEST_F(CheckEveryDrawTest, EachDrawCountsAsTheComparisonWithThatDrawCounts) {
    mark({5});
    std::vector<StoredDraw> draws = {
        Dated(14, 3, 2025, {2, 5, 9, 14, 18}, 5), // all five marked and the Thunderball
        Dated(12, 3, 2025, {2, 5, 9, 14, 22}, 6), // five marked, not the Thunderball
        Dated(11, 3, 2025, {1, 3, 4, 6, 7}, 5),   // none marked, the Thunderball
        Dated(8, 3, 2025, {1, 3, 4, 6, 7}, 13),   // nothing at all
        Dated(7, 3, 2025, {2, 5, 30, 31, 32}, 5), // two marked and the Thunderball
    };
    // And draws of every kind, at random but the same on every run.
    std::mt19937 random(2025);
    for (int i = 0; i < 60; ++i) {
        std::vector<int> pool(kMainNumbers);
        std::iota(pool.begin(), pool.end(), 1);
        std::shuffle(pool.begin(), pool.end(), random);
        draws.push_back(MakeStoredDraw(std::nullopt,
                                       Draw{{pool[0], pool[1], pool[2], pool[3], pool[4]},
                                            static_cast<int>(random() % kThunderballNumbers) + 1}));
    }

    const PrizeTable prizes = PowersOfTen();
    const HistoryCheck check = CheckEveryDraw(session.boards(), draws, prizes);
    ASSERT_EQ(check.draws.size(), draws.size());
    RankCounts total;
    std::int64_t won = 0;
    for (std::size_t i = 0; i < draws.size(); ++i) {
        SCOPED_TRACE(StoredDrawText(draws[i]));
        EXPECT_EQ(check.draws[i].draw, draws[i]);
        const ComparisonResult one = CompareBoardsWithDraw(session.boards(), draws[i].draw);
        EXPECT_EQ(check.draws[i].counts, one.counts);
        std::int64_t paid = 0;
        for (const PrizeRank rank : kPrizeRanks)
            paid += one.counts[rank] * prizes.amount(rank);
        EXPECT_EQ(check.draws[i].won, paid);
        total += one.counts;
        won += paid;
    }
    EXPECT_EQ(check.counts, total);
    EXPECT_EQ(check.won, won);

    // The first draws by hand: C(5,m) * C(4,5-m) boards hold m of five drawn marked numbers.
    RankCounts allFive;
    allFive.add(R::FivePlusT, 1);
    allFive.add(R::FourPlusT, 20);
    allFive.add(R::ThreePlusT, 60);
    allFive.add(R::TwoPlusT, 40);
    allFive.add(R::OnePlusT, 5);
    EXPECT_EQ(check.draws[0].counts, allFive);
    EXPECT_EQ(check.draws[0].won, 1 * 1 + 20 * 100 + 60 * 10'000 + 40 * 1'000'000 + 5 * 10'000'000);
    EXPECT_EQ(check.draws[3].counts, RankCounts{});
    EXPECT_EQ(check.draws[3].won, 0);
}

TEST_F(CheckEveryDrawTest, TotalsTheCostTheWinningsAndTheBestDraw) {
    mark({5});
    const std::vector<StoredDraw> draws = {
        Dated(14, 3, 2025, {1, 3, 4, 6, 7}, 13),  // nothing
        Dated(12, 3, 2025, {2, 5, 9, 30, 31}, 5), // three marked and the Thunderball
        Dated(11, 3, 2025, {2, 5, 9, 31, 32}, 5), // the same winnings, older
        Dated(8, 3, 2025, {2, 5, 30, 31, 32}, 6), // two marked: nothing
    };
    const PrizeTable prizes = OperatorPrizeTable();
    const HistoryCheck check = CheckEveryDraw(session.boards(), draws, prizes);
    EXPECT_EQ(check.system, kFullNine);
    EXPECT_EQ(check.boards, 126);
    EXPECT_EQ(check.linesPerDraw, 126);
    EXPECT_EQ(check.spent, 126 * prizes.pricePerBoard * 4);
    // Three of the nine drawn: C(3,3)C(6,2) = 15 boards hold three, C(3,2)C(6,3) = 60 two,
    // C(3,1)C(6,4) = 45 one and C(6,5) = 6 none; all with the Thunderball.
    EXPECT_EQ(check.draws[1].counts[R::ThreePlusT], 15);
    EXPECT_EQ(check.draws[1].counts[R::TwoPlusT], 60);
    EXPECT_EQ(check.draws[1].counts[R::OnePlusT], 45);
    EXPECT_EQ(check.draws[1].counts[R::ZeroPlusT], 6);
    const std::int64_t oneDraw = 15 * prizes.amount(R::ThreePlusT) +
                                 60 * prizes.amount(R::TwoPlusT) + 45 * prizes.amount(R::OnePlusT) +
                                 6 * prizes.amount(R::ZeroPlusT);
    EXPECT_EQ(check.draws[1].won, oneDraw);
    EXPECT_EQ(check.won, 2 * oneDraw);
    EXPECT_EQ(check.wonPerRank[RankIndex(R::ThreePlusT)], 30 * prizes.amount(R::ThreePlusT));
    EXPECT_EQ(check.wonPerRank[RankIndex(R::Five)], 0);
    EXPECT_EQ(check.net(), 2 * oneDraw - check.spent);
    ASSERT_TRUE(check.best.has_value());
    EXPECT_EQ(*check.best, 1u) << "the newest of the two best draws";

    const HistoryCheck nothingWon = CheckEveryDraw(session.boards(), {draws[0], draws[3]}, prizes);
    EXPECT_FALSE(nothingWon.best.has_value());
    EXPECT_EQ(nothingWon.won, 0);
}

TEST_F(CheckEveryDrawTest, EveryThunderballABoardCarriesIsALinePaidFor) {
    mark({5, 11});
    const std::vector<StoredDraw> draws = {Dated(14, 3, 2025, {2, 5, 9, 14, 18}, 11)};
    const HistoryCheck check = CheckEveryDraw(session.boards(), draws, OperatorPrizeTable());
    EXPECT_EQ(check.linesPerDraw, 252);
    EXPECT_EQ(check.spent, 252 * OperatorPrizeTable().pricePerBoard);
    EXPECT_EQ(check.draws[0].counts, CompareBoardsWithDraw(session.boards(), draws[0].draw).counts);
    EXPECT_EQ(check.draws[0].counts[R::Five], 1) << "the board's other Thunderball";
}

// The Thunderball alone, counted here without the comparison: the boards are every five of the
// nine marked numbers, and a board with none of a draw's main numbers pays one line of 0 + T when
// one of its Thunderballs is drawn (its other Thunderballs, with no main number, pay nothing).
TEST_F(CheckEveryDrawTest, PaysTheThunderballAloneOnEveryDrawAsCountedByHand) {
    mark({5, 11});
    const std::vector<int> nine = {2, 5, 9, 14, 18, 22, 27, 33, 39};
    std::vector<std::uint64_t> boards;
    for (int pick = 0; pick < (1 << 9); ++pick)
        if (std::popcount(static_cast<unsigned>(pick)) == 5) {
            std::uint64_t board = 0;
            for (int i = 0; i < 9; ++i)
                if ((pick >> i & 1) != 0)
                    board |= std::uint64_t{1} << nine[static_cast<std::size_t>(i)];
            boards.push_back(board);
        }
    ASSERT_EQ(boards.size(), 126u);

    std::vector<StoredDraw> draws = {
        Dated(11, 3, 2025, {1, 3, 4, 6, 7}, 5),     // none marked, a Thunderball carried
        Dated(10, 3, 2025, {1, 3, 4, 6, 7}, 12),    // none marked, another Thunderball
        Dated(9, 3, 2025, {2, 5, 9, 14, 18}, 11),   // all five marked: no board misses them all
        Dated(8, 3, 2025, {2, 30, 31, 32, 34}, 11), // one marked
    };
    std::mt19937 random(29);
    for (int i = 0; i < 200; ++i) {
        std::vector<int> pool(kMainNumbers);
        std::iota(pool.begin(), pool.end(), 1);
        std::shuffle(pool.begin(), pool.end(), random);
        draws.push_back(MakeStoredDraw(std::nullopt,
                                       Draw{{pool[0], pool[1], pool[2], pool[3], pool[4]},
                                            static_cast<int>(random() % kThunderballNumbers) + 1}));
    }
    const PrizeTable prizes = OperatorPrizeTable();
    ASSERT_EQ(prizes.amount(R::ZeroPlusT), 300) << "the operator's £3";
    const HistoryCheck check = CheckEveryDraw(session.boards(), draws, prizes);

    int allLines = 0;
    for (std::size_t d = 0; d < draws.size(); ++d) {
        SCOPED_TRACE(StoredDrawText(draws[d]));
        std::uint64_t drawn = 0;
        for (const int n : draws[d].draw.main)
            drawn |= std::uint64_t{1} << n;
        const int t = draws[d].draw.thunderball;
        int lines = 0;
        if (t == 5 || t == 11)
            for (const std::uint64_t board : boards)
                lines += (board & drawn) == 0;
        allLines += lines;
        EXPECT_EQ(check.draws[d].counts[R::ZeroPlusT], lines);
        std::int64_t others = 0;
        for (const PrizeRank rank : kPrizeRanks)
            others += check.draws[d].counts[rank] * prizes.amount(rank);
        EXPECT_EQ(check.draws[d].won, others + lines * 300);
    }
    EXPECT_EQ(check.draws[0].counts[R::ZeroPlusT], 126);
    EXPECT_EQ(check.draws[1].counts[R::ZeroPlusT], 0);
    EXPECT_EQ(check.draws[2].counts[R::ZeroPlusT], 0);
    EXPECT_EQ(check.draws[3].counts[R::ZeroPlusT], 56) << "C(8, 5) boards miss the 2";
    EXPECT_EQ(check.counts[R::ZeroPlusT], allLines);
    EXPECT_EQ(check.wonPerRank[RankIndex(R::ZeroPlusT)], allLines * 300);
}

TEST_F(CheckEveryDrawTest, StartsTheRunAfreshAndLeavesTheLastBoardBuilt) {
    mark({5});
    session.run.StartRun(1);
    session.run.setCurrentBoardNumber(4);
    int boardsBuilt = 0;
    session.run.setBoardBuiltListener([&boardsBuilt] { ++boardsBuilt; });

    std::vector<StoredDraw> draws(50, Dated(14, 3, 2025, {2, 5, 9, 14, 18}, 5));
    CheckEveryDraw(session.boards(), draws, OperatorPrizeTable());
    EXPECT_EQ(boardsBuilt, 126) << "the boards are built once, not once a draw";
    EXPECT_EQ(session.run.currentBoardNumber(), 1);
    EXPECT_EQ(session.run.activeSystem(), kFullNine);
    EXPECT_EQ(session.run.currentBoard(39), 1);
    EXPECT_EQ(session.run.currentBoard(2), 0);
}

} // namespace
} // namespace orvane
