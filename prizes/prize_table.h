#pragma once
// What a draw pays per prize rank and what a board costs, and what playing a wheel's boards in one
// draw costs and returns on average.

#include "prizes/draw_odds.h"

#include <array>
#include <cstdint>

namespace orvane {

// Amounts in pence.
struct PrizeTable {
    std::array<std::int64_t, kPaidRankCount> amounts{}; // paid to one winning line, per rank
    std::int64_t pricePerBoard = 0;

    std::int64_t amount(PrizeRank rank) const { return amounts[RankIndex(rank)]; }
    void setAmount(PrizeRank rank, std::int64_t pence) { amounts[RankIndex(rank)] = pence; }

    bool operator==(const PrizeTable&) const = default;
};

// One draw played, in pence.
struct DrawReturn {
    std::int64_t cost = 0;
    double expectedPrize = 0;

    double expectedNet() const { return expectedPrize - static_cast<double>(cost); }
};

// Playing `boardsPaid` boards (the system's board count, or more where each Thunderball number of
// a board is paid for apart) against the draw of `odds`. The prize money adds up every rank's
// count as the comparison counts it, the Thunderball alone included, each at its rank's amount: a
// board whose drawn Thunderball is one of several, with three or more main numbers, is paid once at
// its rank with the Thunderball and once more at the rank without it for each of its other
// Thunderball numbers.
DrawReturn ReturnOfOneDraw(const DrawOdds& odds, const PrizeTable& prizes, int boardsPaid);

} // namespace orvane
