#pragma once
// For one guarantee "k if m" over positions 1..n, counts per m-set how many rows meet it in k or
// more positions, and keeps the list of m-sets no row meets among those that hold the fixed
// positions (the only ones a fixed system promises anything about). A move (one position of one row
// replaced by another) only touches the m-sets that hold the old or the new position and k-1
// positions of the rest of the row, so its effect is computed from those alone.

#include "wheels/wheel_catalogue.h"

#include <cstdint>
#include <vector>

namespace orvane::wheelgen {

// A set of positions as bits: bit p stands for position p.
using PositionMask = std::uint64_t;

class CoverageTracker final {
  public:
    CoverageTracker(int numberCount, Guarantee guarantee, PositionMask fixed);

    // Starts over with these rows.
    void reset(const std::vector<PositionMask>& rows);

    std::int64_t missedCount() const { return static_cast<std::int64_t>(m_missed.size()); }
    PositionMask missedSet(std::size_t i) const { return m_missed[i]; }

    // How the number of missed m-sets changes if `row` trades position `out` for `in`.
    int delta(PositionMask row, int out, int in) const;
    // Applies that trade.
    void move(PositionMask row, int out, int in);

  private:
    std::uint32_t rankOf(PositionMask set) const;
    void addRow(PositionMask row);
    // Calls visit(lostSet, lostRank, gainedRank) for each pair of m-sets that `row` stops and
    // starts meeting in k positions when it trades `out` for `in`.
    template <typename Visit>
    void forEachChange(PositionMask row, int out, int in, Visit visit) const;
    void markMissed(std::uint32_t rank, PositionMask set);
    void unmarkMissed(std::uint32_t rank);

    int m_numberCount;
    Guarantee m_guarantee;
    PositionMask m_fixed;
    std::vector<std::vector<std::uint32_t>> m_binomial; // [c][i] = c choose i
    std::vector<std::uint16_t> m_rowsMeeting;           // per m-set, by colex rank
    std::vector<PositionMask> m_missed;
    std::vector<std::int32_t> m_missedSlot; // per m-set, its place in m_missed or -1
};

} // namespace orvane::wheelgen
