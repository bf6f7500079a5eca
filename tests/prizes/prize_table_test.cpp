// What one draw of a wheel costs and returns, from odds set by hand.

#include "prizes/prize_table.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(PrizeTable, PaysEachRanksBoardsAtThatRanksAmount) {
    // Each rank won by a different average number of boards, paid a different amount.
    DrawOdds odds;
    PrizeTable prizes;
    double expected = 0;
    for (const PrizeRank rank : kPrizeRanks) {
        const auto i = static_cast<std::int64_t>(RankIndex(rank));
        odds.ranks[RankIndex(rank)].boardsWon = static_cast<std::uint64_t>(i + 1) * kDrawOutcomes;
        prizes.setAmount(rank, std::int64_t{1} << (2 * i));
        expected += static_cast<double>((i + 1) << (2 * i));
    }
    prizes.pricePerBoard = 150;

    const DrawReturn played = ReturnOfOneDraw(odds, prizes, 22);
    EXPECT_EQ(played.cost, 22 * 150);
    EXPECT_DOUBLE_EQ(played.expectedPrize, expected);
    EXPECT_DOUBLE_EQ(played.expectedNet(), expected - 22 * 150);
}

} // namespace
} // namespace orvane
