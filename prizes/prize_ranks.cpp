#include "prizes/prize_ranks.h"

namespace orvane {

RankCounts& RankCounts::operator+=(const RankCounts& other) {
    for (std::size_t i = 0; i < m_counts.size(); ++i)
        m_counts[i] += other.m_counts[i];
    return *this;
}

std::optional<PrizeRank> RankOfLine(int mainMatches, bool thunderballHit) {
    switch (mainMatches) {
    case 5:
        return thunderballHit ? PrizeRank::FivePlusT : PrizeRank::Five;
    case 4:
        return thunderballHit ? PrizeRank::FourPlusT : PrizeRank::Four;
    case 3:
        return thunderballHit ? PrizeRank::ThreePlusT : PrizeRank::Three;
    case 2:
        return thunderballHit ? std::optional(PrizeRank::TwoPlusT) : std::nullopt;
    case 1:
        return thunderballHit ? std::optional(PrizeRank::OnePlusT) : std::nullopt;
    case 0:
        return thunderballHit ? std::optional(PrizeRank::ZeroPlusT) : std::nullopt;
    default:
        return std::nullopt;
    }
}

int OtherLinesWon(int mainMatches, bool thunderballHit, int thunderballs) {
    if (!thunderballHit || thunderballs < 2 || !RankOfLine(mainMatches, false))
        return 0;
    return thunderballs - 1;
}

RankCounts BoardWinnings(int mainMatches, bool thunderballHit, int thunderballs) {
    RankCounts counts;
    const std::optional<PrizeRank> rank = RankOfLine(mainMatches, thunderballHit);
    if (!rank)
        return counts;
    counts.add(*rank, 1);
    if (const int others = OtherLinesWon(mainMatches, thunderballHit, thunderballs); others > 0)
        counts.add(*RankOfLine(mainMatches, false), others);
    return counts;
}

} // namespace orvane
