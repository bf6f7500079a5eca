#pragma once
// What a wheel's boards hold in every way the drawn main numbers can fall among the marked ones:
// its guarantee proven, and for each count of drawn numbers among the marked ones, the best board
// and how many boards hold each count. Counted exactly over positions, so it holds whatever numbers
// are marked.

#include "wheels/drawn_cases.h"
#include "wheels/selection_grid.h"
#include "wheels/wheel_verifier.h"

#include <array>
#include <cstdint>
#include <span>

namespace orvane {

// The number of ways to choose k out of n; 0 when k lies outside 0..n.
constexpr std::uint64_t Choose(int n, int k) {
    if (k < 0 || k > n)
        return 0;
    std::uint64_t c = 1;
    for (int i = 1; i <= k; ++i)
        c = c * static_cast<std::uint64_t>(n - k + i) / static_cast<std::uint64_t>(i);
    return c;
}

// Draws of five main numbers out of 39.
constexpr std::uint64_t kPossibleDraws = Choose(kMainNumbers, kDrawnMainNumbers);
static_assert(kPossibleDraws == 575'757);

// The cases in which `drawn` of the five drawn main numbers are among the n marked ones: the
// C(n, drawn) ways they fall among the positions, each case standing for the C(39 - n, 5 - drawn)
// draws whose other numbers are unmarked.
struct DrawnAmongMarked {
    int drawn = 0;
    std::uint64_t cases = 0;
    std::uint64_t drawsPerCase = 0;
    // Fewest and most drawn numbers the best board holds, over the cases.
    int fewestBest = 0;
    int mostBest = 0;
    // [h]: the cases in which the best board holds exactly h.
    std::array<std::uint64_t, kHoldings> casesBestHolds{};
    // [h]: the boards holding exactly h, summed over the cases.
    std::array<std::uint64_t, kHoldings> boardsHolding{};
    // [s]: the cases in which the counts some board holds make up exactly the set s (bit h set when
    // a board holds h). Whether a prize rank is won at all depends on this set alone.
    std::array<std::uint64_t, 1 << kHoldings> casesByHoldings{};

    std::uint64_t draws() const { return cases * drawsPerCase; }
    // The chance that exactly `drawn` of one draw's main numbers are marked.
    double chance() const;
    double shareBestHolds(int h) const;
    double averageBoardsHolding(int h) const;
};

// The guarantee's cases: m drawn numbers among the marked ones, checked one by one.
struct GuaranteeProof {
    struct CaseGroup {
        std::uint64_t cases = 0;
        int fewestBest = 0; // drawn numbers the best board holds, at fewest; 0 for no case
    };
    Guarantee promise{};
    // The cases the promise is about: every fixed number drawn (all cases without fixed numbers).
    CaseGroup fixedDrawn;
    // The others, which the promise says nothing about.
    CaseGroup fixedMissed;

    std::uint64_t casesChecked() const { return fixedDrawn.cases + fixedMissed.cases; }
    bool holds() const { return fixedDrawn.cases > 0 && fixedDrawn.fewestBest >= promise.k; }
};

struct WheelProfile {
    WheelParameters system{};
    GuaranteeProof guarantee;
    std::array<DrawnAmongMarked, kDrawnMainNumbers + 1> byDrawn{}; // [drawn]

    // The draws of five in which the best board holds h or more of the drawn numbers.
    std::uint64_t drawsBestHoldsAtLeast(int h) const;
    double chanceBestHoldsAtLeast(int h) const;
};

// Profiles `rows` (positions 1..n) as the table of a system with `parameters`.
WheelProfile ProfileWheel(std::span<const BoardPositions> rows, const WheelParameters& parameters);

// The profile of catalogue system `index`.
WheelProfile ProfileOfSystem(int index);

} // namespace orvane
