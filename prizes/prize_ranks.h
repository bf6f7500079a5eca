#pragma once
// The prize ranks of a draw and what one board wins in them, by its main matches, whether it
// carries the drawn Thunderball, and how many Thunderball numbers it carries.

#include <array>
#include <cstddef>
#include <optional>

namespace orvane {

// The prize ranks in the order the counters are shown, then the Thunderball alone.
enum class PrizeRank {
    FivePlusT,
    Five,
    FourPlusT,
    Four,
    ThreePlusT,
    Three,
    TwoPlusT,
    OnePlusT,
    ZeroPlusT
};
// The eight ranks the comparison with a draw has a counter for.
constexpr int kPrizeRankCount = 8;
constexpr std::array<PrizeRank, kPrizeRankCount> kPrizeRanks = {
    PrizeRank::FivePlusT,  PrizeRank::Five,  PrizeRank::FourPlusT, PrizeRank::Four,
    PrizeRank::ThreePlusT, PrizeRank::Three, PrizeRank::TwoPlusT,  PrizeRank::OnePlusT};
// Every rank the operator pays: the eight, and the Thunderball alone (no main number matched),
// which the comparison shows no counter for but the money counts.
constexpr int kPaidRankCount = kPrizeRankCount + 1;
constexpr std::array<PrizeRank, kPaidRankCount> kPaidRanks = {
    PrizeRank::FivePlusT, PrizeRank::Five,       PrizeRank::FourPlusT,
    PrizeRank::Four,      PrizeRank::ThreePlusT, PrizeRank::Three,
    PrizeRank::TwoPlusT,  PrizeRank::OnePlusT,   PrizeRank::ZeroPlusT};

constexpr std::size_t RankIndex(PrizeRank rank) {
    return static_cast<std::size_t>(rank);
}

// Winning boards per prize rank.
class RankCounts {
  public:
    int operator[](PrizeRank rank) const { return m_counts[RankIndex(rank)]; }
    void add(PrizeRank rank, int boards) { m_counts[RankIndex(rank)] += boards; }
    RankCounts& operator+=(const RankCounts& other);
    bool operator==(const RankCounts&) const = default;

  private:
    std::array<int, kPaidRankCount> m_counts{};
};

// The rank one line of play wins with `mainMatches` main numbers, with or without the
// Thunderball; none below three matches without it.
std::optional<PrizeRank> RankOfLine(int mainMatches, bool thunderballHit);

// A board carrying c Thunderball numbers stands for c lines of play: when one of them is drawn
// and the main matches alone win a rank, the other c - 1 lines win that rank too. When none is
// drawn, the board counts once.
int OtherLinesWon(int mainMatches, bool thunderballHit, int thunderballs);

// What one board wins: its own line's rank, and the rank without the Thunderball for its other
// lines (so a board may count in two ranks).
RankCounts BoardWinnings(int mainMatches, bool thunderballHit, int thunderballs);

} // namespace orvane
