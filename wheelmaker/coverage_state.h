#pragma once
// A wheel under search: its boards, and for every m-set of numbers how many boards meet it in k or
// more, with the list of the sets no board meets. Changing one number of one board only touches
// the m-sets that hold the old or the new number and k-1 other numbers of that board, so a change
// is weighed and made from those alone.

#include "wheelmaker/number_sets.h"
#include "wheelmaker/wheel_request.h"

#include <cstdint>
#include <vector>

namespace orvane::wheelmaker {

class CoverageState final {
  public:
    explicit CoverageState(const CoverProblem& problem);

    const CoverProblem& problem() const { return m_problem; }
    const std::vector<NumberSet>& boards() const { return m_boards; }
    std::int64_t setCount() const { return static_cast<std::int64_t>(m_counts.size()); }
    std::int64_t uncoveredCount() const { return static_cast<std::int64_t>(m_uncovered.size()); }
    NumberSet uncoveredSet(std::size_t i) const { return m_uncovered[i]; }

    void reset(const std::vector<NumberSet>& boards);
    void addBoard(NumberSet board);
    // Takes board `index` away; the last board takes its place.
    void removeBoard(std::size_t index);
    // The sets only board `index` meets, which taking it away would leave unmet.
    std::int64_t lossOfRemoving(std::size_t index) const;
    // The m-sets `board` would newly meet if it were added.
    std::int64_t gainOfAdding(NumberSet board) const;

    // How the count of unmet sets changes if board `index` trades number `out` for `in`.
    int swapDelta(std::size_t index, int out, int in) const;
    // The same change weighed by the sets' weights: what it costs in the weights of the sets it
    // leaves unmet, less the weights of those it meets.
    std::int64_t weightedSwapDelta(std::size_t index, int out, int in) const;
    void swap(std::size_t index, int out, int in);
    // Makes every set unmet now weigh one more, so that sets that stay unmet long draw the
    // search to them; all weights start at one and go back to one on reset.
    void weighUnmetMore();

  private:
    template <typename Visit> void forEachSetMet(NumberSet board, Visit&& visit) const;
    template <typename Visit>
    void forEachChange(NumberSet board, int out, int in, Visit&& visit) const;
    void markUncovered(std::uint32_t rank, NumberSet set);
    void unmarkUncovered(std::uint32_t rank);

    CoverProblem m_problem;
    NumberSet m_all;
    std::vector<NumberSet> m_boards;
    std::vector<std::uint16_t> m_counts;  // per m-set, by rank
    std::vector<std::uint32_t> m_weights; // per m-set, by rank
    std::vector<NumberSet> m_uncovered;
    std::vector<std::int32_t> m_slot; // per m-set, its place in m_uncovered or -1
};

} // namespace orvane::wheelmaker
