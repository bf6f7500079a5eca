#include "prizes/draw_odds.h"

#include <algorithm>

namespace orvane {

namespace {

double ofAllOutcomes(std::uint64_t outcomes) {
    return static_cast<double>(outcomes) / static_cast<double>(kDrawOutcomes);
}

// The drawn Thunderball is one the boards carry in as many of its 14 outcomes as they carry, and
// misses them in the others.
struct ThunderballOutcome {
    bool hit;
    std::uint64_t outcomes;
};

} // namespace

double DrawOdds::chanceWon(PrizeRank rank) const {
    return ofAllOutcomes((*this)[rank].outcomesWon);
}

double DrawOdds::expectedBoardsWon(PrizeRank rank) const {
    return ofAllOutcomes((*this)[rank].boardsWon);
}

double DrawOdds::chanceWonAnything() const {
    return ofAllOutcomes(outcomesWonAnything);
}

int ThunderballsCarried(const SelectionGrid& grid) {
    int carried = 0;
    for (int c = kFirstThunderballCell; c <= kLastScreenCell; ++c)
        carried += grid.state(c) == kSelected;
    return std::max(carried, 1);
}

DrawOdds OddsOfOneDraw(const WheelProfile& profile, int thunderballs) {
    DrawOdds odds;
    odds.thunderballs = std::clamp(thunderballs, 1, kThunderballNumbers);
    const auto marked = static_cast<std::uint64_t>(odds.thunderballs);
    const ThunderballOutcome thunderballOutcomes[] = {{true, marked},
                                                      {false, kThunderballNumbers - marked}};

    for (const DrawnAmongMarked& d : profile.byDrawn)
        for (const auto& [hit, outcomes] : thunderballOutcomes) {
            const std::uint64_t weight = d.drawsPerCase * outcomes;
            std::array<RankCounts, kHoldings> wins; // [h]: what a board holding h wins
            for (int h = 0; h < kHoldings; ++h)
                wins[static_cast<std::size_t>(h)] = BoardWinnings(h, hit, odds.thunderballs);

            for (std::size_t h = 0; h < kHoldings; ++h)
                for (const PrizeRank rank : kPaidRanks)
                    odds.ranks[RankIndex(rank)].boardsWon +=
                        d.boardsHolding[h] * static_cast<std::uint64_t>(wins[h][rank]) * weight;

            // Whether a rank is won at all depends only on which counts some board holds.
            for (std::size_t set = 0; set < d.casesByHoldings.size(); ++set) {
                if (d.casesByHoldings[set] == 0)
                    continue;
                bool anything = false;
                for (const PrizeRank rank : kPaidRanks) {
                    bool won = false;
                    for (std::size_t h = 0; h < kHoldings; ++h)
                        won = won || ((set >> h & 1u) != 0 && wins[h][rank] > 0);
                    if (won)
                        odds.ranks[RankIndex(rank)].outcomesWon += d.casesByHoldings[set] * weight;
                    anything = anything || (won && rank != PrizeRank::ZeroPlusT);
                }
                if (anything)
                    odds.outcomesWonAnything += d.casesByHoldings[set] * weight;
            }
        }
    return odds;
}

} // namespace orvane
