#pragma once
// The prize ranks of one draw for a wheel: how likely some board is to win each rank, and how many
// boards win it on average, counted exactly as the comparison counts a board, over every draw of
// five main numbers and every Thunderball.

#include "prizes/prize_ranks.h"
#include "wheels/selection_grid.h"
#include "wheels/wheel_profile.h"

#include <array>
#include <cstdint>

namespace orvane {

// One draw's outcomes: the five main numbers and the Thunderball.
constexpr std::uint64_t kDrawOutcomes = kPossibleDraws * kThunderballNumbers;

struct RankOdds {
    std::uint64_t outcomesWon = 0; // outcomes in which some board wins the rank
    std::uint64_t boardsWon = 0;   // the rank's count in the comparison, summed over the outcomes
};

struct DrawOdds {
    int thunderballs = 1; // carried by every board
    std::array<RankOdds, kPaidRankCount> ranks{};
    // Outcomes in which some board wins one of the comparison's eight ranks (the Thunderball alone
    // aside, which some board wins in nearly every outcome of a large wheel).
    std::uint64_t outcomesWonAnything = 0;

    const RankOdds& operator[](PrizeRank rank) const { return ranks[RankIndex(rank)]; }
    double chanceWon(PrizeRank rank) const;
    // The average of the rank's count in the comparison: a board whose other Thunderball numbers
    // win too counts for each of them.
    double expectedBoardsWon(PrizeRank rank) const;
    double chanceWonAnything() const;
};

// The Thunderball numbers every board of the selection carries, as the comparison reads them: the
// selected cells 40..53 (cells past 53 are kept for game files only). A selection without one
// plays as one.
int ThunderballsCarried(const SelectionGrid& grid);

// The odds of the wheel profiled in `profile` whose boards carry `thunderballs` Thunderball
// numbers (1..14).
DrawOdds OddsOfOneDraw(const WheelProfile& profile, int thunderballs);

} // namespace orvane
