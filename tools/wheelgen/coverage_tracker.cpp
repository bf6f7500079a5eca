#include "tools/wheelgen/coverage_tracker.h"

#include <algorithm>
#include <bit>

namespace orvane::wheelgen {

namespace {

// Calls visit(subset) for every subset of `size` bits of `pool`.
template <typename Visit> void forEachSubset(PositionMask pool, int size, Visit visit) {
    PositionMask items[64];
    int count = 0;
    for (PositionMask rest = pool; rest != 0; rest &= rest - 1)
        items[count++] = rest & (~rest + 1);
    if (size < 0 || size > count)
        return;
    int pick[64];
    for (int i = 0; i < size; ++i)
        pick[i] = i;
    while (true) {
        PositionMask subset = 0;
        for (int i = 0; i < size; ++i)
            subset |= items[pick[i]];
        visit(subset);
        int i = size - 1;
        while (i >= 0 && pick[i] == count - size + i)
            --i;
        if (i < 0)
            return;
        ++pick[i];
        for (int j = i + 1; j < size; ++j)
            pick[j] = pick[j - 1] + 1;
    }
}

PositionMask bit(int position) {
    return PositionMask{1} << position;
}

} // namespace

CoverageTracker::CoverageTracker(int numberCount, Guarantee guarantee, PositionMask fixed)
    : m_numberCount(numberCount), m_guarantee(guarantee), m_fixed(fixed) {
    m_binomial.assign(static_cast<std::size_t>(numberCount + 1),
                      std::vector<std::uint32_t>(static_cast<std::size_t>(guarantee.m + 1), 0));
    for (std::size_t c = 0; c < m_binomial.size(); ++c) {
        m_binomial[c][0] = 1;
        for (std::size_t i = 1; i < m_binomial[c].size() && i <= c; ++i)
            m_binomial[c][i] = m_binomial[c - 1][i - 1] + (i < c ? m_binomial[c - 1][i] : 0);
    }
    const std::size_t sets =
        numberCount >= guarantee.m
            ? static_cast<std::size_t>(m_binomial[static_cast<std::size_t>(numberCount)]
                                                 [static_cast<std::size_t>(guarantee.m)])
            : 0;
    m_rowsMeeting.assign(sets, 0);
    m_missedSlot.assign(sets, -1);
}

std::uint32_t CoverageTracker::rankOf(PositionMask set) const {
    // Colexicographic rank: sum of C(p-1, i) over the i-th smallest position p.
    std::uint32_t rank = 0;
    std::size_t i = 1;
    for (; set != 0; set &= set - 1, ++i)
        rank += m_binomial[static_cast<std::size_t>(std::countr_zero(set) - 1)][i];
    return rank;
}

void CoverageTracker::addRow(PositionMask row) {
    const PositionMask all = ((PositionMask{1} << m_numberCount) - 1) << 1;
    for (int inRow = m_guarantee.k; inRow <= m_guarantee.m && inRow <= kBoardSize; ++inRow)
        forEachSubset(row, inRow, [&](PositionMask a) {
            forEachSubset(all & ~row, m_guarantee.m - inRow,
                          [&](PositionMask b) { ++m_rowsMeeting[rankOf(a | b)]; });
        });
}

void CoverageTracker::reset(const std::vector<PositionMask>& rows) {
    std::fill(m_rowsMeeting.begin(), m_rowsMeeting.end(), 0);
    std::fill(m_missedSlot.begin(), m_missedSlot.end(), -1);
    m_missed.clear();
    for (const auto row : rows)
        addRow(row);
    forEachSubset(((PositionMask{1} << m_numberCount) - 1) << 1, m_guarantee.m,
                  [&](PositionMask set) {
                      const auto rank = rankOf(set);
                      if (m_rowsMeeting[rank] == 0 && (set & m_fixed) == m_fixed)
                          markMissed(rank, set);
                  });
}

template <typename Visit>
void CoverageTracker::forEachChange(PositionMask row, int out, int in, Visit visit) const {
    const PositionMask all = ((PositionMask{1} << m_numberCount) - 1) << 1;
    const PositionMask rest = row & ~bit(out);
    const PositionMask outside = all & ~row & ~bit(in);
    forEachSubset(outside, m_guarantee.m - m_guarantee.k, [&](PositionMask b) {
        forEachSubset(rest, m_guarantee.k - 1, [&](PositionMask a) {
            // Rows hold the fixed positions, so a changing set holds them iff its part in the row
            // does.
            if ((a & m_fixed) != m_fixed)
                return;
            const PositionMask lost = bit(out) | a | b;
            visit(lost, rankOf(lost), rankOf(bit(in) | a | b));
        });
    });
}

int CoverageTracker::delta(PositionMask row, int out, int in) const {
    int change = 0;
    forEachChange(row, out, in, [&](PositionMask, std::uint32_t lost, std::uint32_t gained) {
        change += (m_rowsMeeting[lost] == 1) - (m_rowsMeeting[gained] == 0);
    });
    return change;
}

void CoverageTracker::move(PositionMask row, int out, int in) {
    forEachChange(row, out, in,
                  [&](PositionMask lostSet, std::uint32_t lost, std::uint32_t gained) {
                      if (m_rowsMeeting[gained]++ == 0)
                          unmarkMissed(gained);
                      if (--m_rowsMeeting[lost] == 0)
                          markMissed(lost, lostSet);
                  });
}

void CoverageTracker::markMissed(std::uint32_t rank, PositionMask set) {
    m_missedSlot[rank] = static_cast<std::int32_t>(m_missed.size());
    m_missed.push_back(set);
}

void CoverageTracker::unmarkMissed(std::uint32_t rank) {
    const auto slot = static_cast<std::size_t>(m_missedSlot[rank]);
    const PositionMask last = m_missed.back();
    m_missed[slot] = last;
    m_missedSlot[rankOf(last)] = static_cast<std::int32_t>(slot);
    m_missed.pop_back();
    m_missedSlot[rank] = -1;
}

} // namespace orvane::wheelgen
