#include "prizes/prize_table.h"

namespace orvane {

DrawReturn ReturnOfOneDraw(const DrawOdds& odds, const PrizeTable& prizes, int boardsPaid) {
    DrawReturn r;
    r.cost = static_cast<std::int64_t>(boardsPaid) * prizes.pricePerBoard;
    // Summed over every outcome before dividing, so that the division is the only rounding.
    long double pence = 0;
    for (const PrizeRank rank : kPaidRanks)
        pence += static_cast<long double>(odds[rank].boardsWon) *
                 static_cast<long double>(prizes.amount(rank));
    r.expectedPrize = static_cast<double>(pence / static_cast<long double>(kDrawOutcomes));
    return r;
}

} // namespace orvane
