#include "wheels/wheel_profile.h"

#include "wheels/position_sets.h"

#include <algorithm>
#include <bit>
#include <vector>

namespace orvane {

namespace {

double ratio(std::uint64_t part, std::uint64_t whole) {
    return whole == 0 ? 0.0 : static_cast<double>(part) / static_cast<double>(whole);
}

// What the boards hold of one case of drawn positions.
struct Holdings {
    std::array<int, kHoldings> boards{}; // [h]: boards holding exactly h
    int best = 0;
    unsigned set = 0; // bit h: some board holds h
};

// Calls visit(drawnPositions, holdings) for every set of `drawn` positions out of 1..n.
template <typename Visit>
void forEachCase(const std::vector<PositionMask>& rows, int numberCount, int drawn, Visit visit) {
    ForEachSet(1, numberCount, drawn, [&](PositionMask drawnPositions) {
        Holdings holdings;
        for (const PositionMask row : rows)
            ++holdings.boards[static_cast<std::size_t>(std::popcount(row & drawnPositions))];
        for (int h = 0; h < kHoldings; ++h)
            if (holdings.boards[static_cast<std::size_t>(h)] > 0) {
                holdings.best = h;
                holdings.set |= 1u << h;
            }
        visit(drawnPositions, holdings);
    });
}

DrawnAmongMarked profileDrawn(const std::vector<PositionMask>& rows, int numberCount, int drawn) {
    DrawnAmongMarked d;
    d.drawn = drawn;
    d.drawsPerCase = Choose(kMainNumbers - numberCount, kDrawnMainNumbers - drawn);
    d.fewestBest = kBoardSize;
    forEachCase(rows, numberCount, drawn, [&](PositionMask, const Holdings& holdings) {
        ++d.cases;
        d.fewestBest = std::min(d.fewestBest, holdings.best);
        d.mostBest = std::max(d.mostBest, holdings.best);
        ++d.casesBestHolds[static_cast<std::size_t>(holdings.best)];
        for (std::size_t h = 0; h < kHoldings; ++h)
            d.boardsHolding[h] += static_cast<std::uint64_t>(holdings.boards[h]);
        ++d.casesByHoldings[holdings.set];
    });
    if (d.cases == 0)
        d.fewestBest = 0;
    return d;
}

GuaranteeProof proveGuarantee(const std::vector<PositionMask>& rows, const WheelParameters& w) {
    GuaranteeProof proof;
    proof.promise = w.guarantee;
    const PositionMask fixed = FirstPositions(w.fixedCount);
    proof.fixedDrawn.fewestBest = proof.fixedMissed.fewestBest = kBoardSize;
    forEachCase(rows, w.numberCount, w.guarantee.m,
                [&](PositionMask drawnPositions, const Holdings& holdings) {
                    auto& group =
                        (drawnPositions & fixed) == fixed ? proof.fixedDrawn : proof.fixedMissed;
                    ++group.cases;
                    group.fewestBest = std::min(group.fewestBest, holdings.best);
                });
    for (auto* group : {&proof.fixedDrawn, &proof.fixedMissed})
        if (group->cases == 0)
            group->fewestBest = 0;
    return proof;
}

} // namespace

double DrawnAmongMarked::chance() const {
    return ratio(draws(), kPossibleDraws);
}

double DrawnAmongMarked::shareBestHolds(int h) const {
    return ratio(casesBestHolds[static_cast<std::size_t>(h)], cases);
}

double DrawnAmongMarked::averageBoardsHolding(int h) const {
    return ratio(boardsHolding[static_cast<std::size_t>(h)], cases);
}

std::uint64_t WheelProfile::drawsBestHoldsAtLeast(int h) const {
    std::uint64_t draws = 0;
    for (const DrawnAmongMarked& d : byDrawn)
        for (int best = h; best < kHoldings; ++best)
            draws += d.casesBestHolds[static_cast<std::size_t>(best)] * d.drawsPerCase;
    return draws;
}

double WheelProfile::chanceBestHoldsAtLeast(int h) const {
    return ratio(drawsBestHoldsAtLeast(h), kPossibleDraws);
}

WheelProfile ProfileWheel(std::span<const BoardPositions> rows, const WheelParameters& parameters) {
    const std::vector<PositionMask> masks = MasksOfRows(rows);
    WheelProfile profile;
    profile.system = parameters;
    profile.guarantee = proveGuarantee(masks, parameters);
    for (int drawn = 0; drawn <= kDrawnMainNumbers; ++drawn)
        profile.byDrawn[static_cast<std::size_t>(drawn)] =
            profileDrawn(masks, parameters.numberCount, drawn);
    return profile;
}

WheelProfile ProfileOfSystem(int index) {
    return ProfileWheel(CombinationTable(index), ParametersOfSystem(index));
}

} // namespace orvane
