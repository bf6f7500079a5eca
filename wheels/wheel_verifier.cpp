#include "wheels/wheel_verifier.h"

#include "wheels/position_sets.h"

#include <algorithm>
#include <bit>
#include <vector>

namespace orvane {

namespace {

std::string describeRow(std::size_t rowIndex) {
    return "row " + std::to_string(rowIndex + 1);
}

std::string shapeFaultOf(std::span<const BoardPositions> rows, const WheelParameters& w) {
    if (rows.size() != static_cast<std::size_t>(w.boardCount))
        return std::to_string(rows.size()) + " rows instead of " + std::to_string(w.boardCount);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (const auto p : rows[r])
            if (p < 1 || p > w.numberCount)
                return describeRow(r) + " holds position " + std::to_string(p) + " outside 1.." +
                       std::to_string(w.numberCount);
        if (std::popcount(MaskOfRow(rows[r])) != kBoardSize)
            return describeRow(r) + " repeats a position";
        for (int fixed = 1; fixed <= w.fixedCount; ++fixed)
            if (std::find(rows[r].begin(), rows[r].end(), fixed) == rows[r].end())
                return describeRow(r) + " lacks fixed position " + std::to_string(fixed);
        // A repeated board would be paid for twice and add nothing.
        for (std::size_t earlier = 0; earlier < r; ++earlier)
            if (MaskOfRow(rows[earlier]) == MaskOfRow(rows[r]))
                return describeRow(r) + " repeats " + describeRow(earlier);
    }
    return {};
}

struct SetCount {
    std::int64_t sets = 0;
    std::int64_t met = 0;
};

// The sets a promise is about: m drawn numbers among the marked ones, the fixed ones included.
SetCount countMet(const std::vector<PositionMask>& rows, int n, int f, Guarantee g) {
    SetCount count;
    const PositionMask fixed = FirstPositions(f);
    ForEachSet(f + 1, n, g.m - f, [&](PositionMask free) {
        const PositionMask set = fixed | free;
        ++count.sets;
        for (const auto row : rows)
            if (std::popcount(set & row) >= g.k) {
                ++count.met;
                return;
            }
    });
    return count;
}

} // namespace

WheelParameters ParametersOfSystem(int index) {
    const WheelSystem& s = WheelCatalogue(index);
    return {s.numberCount, s.fixedCount, ParseGuarantee(s.guarantee), s.boardCount};
}

std::optional<Guarantee> BeyondGuarantee(Guarantee g) {
    if (g.k < g.m)
        return Guarantee{g.k + 1, g.m};
    // Every (k+1)-set holds a k-set that some row meets, so "k if k+1" is always kept; the
    // measure that tells two "k if k" tables apart is how many (k+1)-sets lie on one row.
    if (g.k < kBoardSize)
        return Guarantee{g.k + 1, g.k + 1};
    return std::nullopt;
}

std::int64_t CountSetsMet(std::span<const BoardPositions> rows, int numberCount, int fixedCount,
                          Guarantee g) {
    return countMet(MasksOfRows(rows), numberCount, fixedCount, g).met;
}

TableCheck VerifyTable(std::span<const BoardPositions> rows, const WheelParameters& parameters) {
    TableCheck check;
    check.shapeFault = shapeFaultOf(rows, parameters);
    if (!check.shapeFault.empty())
        return check;
    const auto masks = MasksOfRows(rows);
    const SetCount promised =
        countMet(masks, parameters.numberCount, parameters.fixedCount, parameters.guarantee);
    check.setsChecked = promised.sets;
    check.setsMissed = promised.sets - promised.met;
    if (const auto beyond = BeyondGuarantee(parameters.guarantee)) {
        const SetCount more =
            countMet(masks, parameters.numberCount, parameters.fixedCount, *beyond);
        check.beyondSets = more.sets;
        check.beyondMet = more.met;
    }
    return check;
}

} // namespace orvane
