// The odds of one draw, counted from the wheel profile, against the comparison itself run on every
// draw of five main numbers with every Thunderball, for numbers marked on a grid.

#include "prizes/draw_odds.h"

#include "prizes/prize_table.h"
#include "results/draw_comparison.h"
#include "support/marked_system.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <unordered_map>
#include <vector>

namespace orvane {
namespace {

using test::MarkedSystem;
using test::NumberMask;

void ExpectClose(double actual, double expected) {
    EXPECT_LE(std::abs(actual - expected), 1e-12 * std::max(std::abs(actual), std::abs(expected)))
        << actual << " against " << expected;
}

Draw drawOf(NumberMask drawn, int thunderball) {
    Draw draw;
    std::size_t i = 0;
    for (int n = 1; n <= kMainNumbers; ++n)
        if ((drawn >> n & 1u) != 0)
            draw.main[i++] = n;
    draw.thunderball = thunderball;
    return draw;
}

// Test figures only, all different so that a rank paid at another's amount shows.
PrizeTable testPrizes() {
    PrizeTable prizes;
    const std::int64_t pence[] = {50'000'000'00, 5'000'00, 2'500'00, 1'000'00,
                                  200'00,        50'00,    15'00,    10'00};
    for (const PrizeRank rank : kPrizeRanks)
        prizes.setAmount(rank, pence[RankIndex(rank)]);
    prizes.pricePerBoard = 100;
    return prizes;
}

struct OutcomesCounted {
    DrawOdds odds;
    __int128 prizePence = 0; // summed over every outcome
};

// The comparison only reads the drawn numbers that lie on a board, and every board's numbers are
// marked, so draws that meet the marked numbers alike compare alike: each such class is compared
// once per Thunderball through the comparison, then counted for every draw of the class.
OutcomesCounted compareEveryOutcome(MarkedSystem& s, const PrizeTable& prizes) {
    OutcomesCounted counted;
    std::unordered_map<NumberMask, std::size_t> classOf;
    std::vector<std::array<RankCounts, kThunderballNumbers>> classCounts;
    std::uint64_t drawIndex = 0;
    test::ForEachDraw([&](NumberMask drawn) {
        const auto [found, isNew] = classOf.try_emplace(drawn & s.marked, classCounts.size());
        if (isNew) {
            auto& counts = classCounts.emplace_back();
            for (int t = 1; t <= kThunderballNumbers; ++t)
                counts[static_cast<std::size_t>(t - 1)] =
                    CompareBoardsWithDraw({s.run, s.grid, s.list}, drawOf(drawn, t)).counts;
        }
        const auto& counts = classCounts[found->second];
        // Now and then the draw itself, to show that its class stands for it.
        if (++drawIndex % 4099 == 0) {
            const int t = static_cast<int>(drawIndex % kThunderballNumbers) + 1;
            EXPECT_EQ(CompareBoardsWithDraw({s.run, s.grid, s.list}, drawOf(drawn, t)).counts,
                      counts[static_cast<std::size_t>(t - 1)]);
        }
        for (const RankCounts& c : counts) {
            bool anything = false;
            for (const PrizeRank rank : kPrizeRanks) {
                RankOdds& odds = counted.odds.ranks[RankIndex(rank)];
                odds.boardsWon += static_cast<std::uint64_t>(c[rank]);
                odds.outcomesWon += c[rank] > 0;
                anything = anything || c[rank] > 0;
                counted.prizePence += static_cast<__int128>(c[rank]) * prizes.amount(rank);
            }
            counted.odds.outcomesWonAnything += anything;
        }
    });
    EXPECT_EQ(drawIndex, kPossibleDraws);
    return counted;
}

TEST(DrawOdds, MatchesTheComparisonOnEveryDrawAndThunderball) {
    struct Case {
        const char* name;
        MarkedSystem marked;
        int thunderballs;
    } systems[] = {
        {"9 numbers, one fixed, two Thunderballs",
         test::MarkSystem(10, {17}, {2, 5, 11, 23, 28, 31, 36, 39}, {3, 11}), 2},
        {"4 if 5 on 11 numbers, one Thunderball",
         test::MarkSystem(14, {}, {1, 4, 9, 13, 16, 20, 22, 27, 30, 34, 38}, {7}), 1},
        {"3 if 4 on 10 numbers, three Thunderballs",
         test::MarkSystem(56, {}, {3, 6, 8, 12, 19, 21, 25, 29, 33, 37}, {1, 7, 14}), 3},
    };
    const PrizeTable prizes = testPrizes();
    for (Case& c : systems) {
        SCOPED_TRACE(c.name);
        MarkedSystem& s = c.marked;
        ASSERT_EQ(s.boards.size(), static_cast<std::size_t>(WheelCatalogue(s.index).boardCount));
        ASSERT_EQ(ThunderballsCarried(s.grid), c.thunderballs);
        const DrawOdds odds = OddsOfOneDraw(ProfileOfSystem(s.index), ThunderballsCarried(s.grid));
        const OutcomesCounted counted = compareEveryOutcome(s, prizes);

        EXPECT_EQ(odds.thunderballs, c.thunderballs);
        for (const PrizeRank rank : kPrizeRanks) {
            SCOPED_TRACE("rank " + std::to_string(RankIndex(rank)));
            const RankOdds& expected = counted.odds[rank];
            EXPECT_EQ(odds[rank].outcomesWon, expected.outcomesWon);
            EXPECT_EQ(odds[rank].boardsWon, expected.boardsWon);
            ExpectClose(odds.chanceWon(rank), static_cast<double>(expected.outcomesWon) /
                                                  static_cast<double>(kDrawOutcomes));
            ExpectClose(odds.expectedBoardsWon(rank), static_cast<double>(expected.boardsWon) /
                                                          static_cast<double>(kDrawOutcomes));
        }
        EXPECT_EQ(odds.outcomesWonAnything, counted.odds.outcomesWonAnything);
        ExpectClose(odds.chanceWonAnything(),
                    static_cast<double>(counted.odds.outcomesWonAnything) /
                        static_cast<double>(kDrawOutcomes));

        const DrawReturn played = ReturnOfOneDraw(odds, prizes, static_cast<int>(s.boards.size()));
        ExpectClose(played.expectedPrize,
                    static_cast<double>(counted.prizePence) / static_cast<double>(kDrawOutcomes));
    }
}

// The Thunderball alone (no main number on the board, its Thunderball drawn), which the comparison
// shows no counter for, counted straight from the boards over every draw: a board with none of the
// five drawn numbers wins it once for each of the Thunderballs it carries that could be drawn.
TEST(DrawOdds, CountsTheThunderballAloneAsEveryDrawPaysIt) {
    struct Case {
        const char* name;
        MarkedSystem marked;
        int thunderballs;
    } systems[] = {
        {"9 numbers, one fixed, two Thunderballs",
         test::MarkSystem(10, {17}, {2, 5, 11, 23, 28, 31, 36, 39}, {3, 11}), 2},
        {"3 if 4 on 10 numbers, three Thunderballs",
         test::MarkSystem(56, {}, {3, 6, 8, 12, 19, 21, 25, 29, 33, 37}, {1, 7, 14}), 3},
    };
    PrizeTable onlyAlone;
    onlyAlone.setAmount(PrizeRank::ZeroPlusT, 300);
    onlyAlone.pricePerBoard = 100;
    for (Case& c : systems) {
        SCOPED_TRACE(c.name);
        MarkedSystem& s = c.marked;
        ASSERT_FALSE(s.boards.empty());
        std::uint64_t boardsWon = 0;
        std::uint64_t outcomesWon = 0;
        test::ForEachDraw([&](NumberMask drawn) {
            std::uint64_t missing = 0;
            for (const NumberMask board : s.boards)
                missing += (board & drawn) == 0;
            // Each carried Thunderball drawn pays one line on every board that missed.
            boardsWon += missing * static_cast<std::uint64_t>(c.thunderballs);
            outcomesWon += missing > 0 ? static_cast<std::uint64_t>(c.thunderballs) : 0;
        });
        const DrawOdds odds = OddsOfOneDraw(ProfileOfSystem(s.index), c.thunderballs);
        EXPECT_EQ(odds[PrizeRank::ZeroPlusT].boardsWon, boardsWon);
        EXPECT_EQ(odds[PrizeRank::ZeroPlusT].outcomesWon, outcomesWon);
        EXPECT_GT(boardsWon, 0u);
        const DrawReturn played =
            ReturnOfOneDraw(odds, onlyAlone, static_cast<int>(s.boards.size()) * c.thunderballs);
        ExpectClose(played.expectedPrize,
                    static_cast<double>(boardsWon) * 300.0 / static_cast<double>(kDrawOutcomes));
    }
}

TEST(DrawOdds, PlaysTheThunderballNumbersTheBoardsCarry) {
    SelectionGrid grid;
    EXPECT_EQ(ThunderballsCarried(grid), 1) << "none marked";
    grid.setState(ThunderballCell(1), kSelected);
    grid.setState(ThunderballCell(14), kSelected);
    grid.setState(60, kSelected); // a game file's cell, on no board
    EXPECT_EQ(ThunderballsCarried(grid), 2);
}

} // namespace
} // namespace orvane
