#include "wheels/wheel_profile.h"

#include <algorithm>

namespace orvane {

namespace {

double ratio(std::uint64_t part, std::uint64_t whole) {
    return whole == 0 ? 0.0 : static_cast<double>(part) / static_cast<double>(whole);
}

void countCase(DrawnAmongMarked& d, const DrawnCase& c) {
    d.fewestBest = d.cases == 0 ? c.best : std::min(d.fewestBest, c.best);
    d.mostBest = std::max(d.mostBest, c.best);
    ++d.cases;
    ++d.casesBestHolds[static_cast<std::size_t>(c.best)];
    for (std::size_t h = 0; h < kHoldings; ++h)
        d.boardsHolding[h] += static_cast<std::uint64_t>(c.boardsHolding[h]);
    ++d.casesByHoldings[c.holdingsSet];
}

void countCase(GuaranteeProof::CaseGroup& group, const DrawnCase& c) {
    group.fewestBest = group.cases == 0 ? c.best : std::min(group.fewestBest, c.best);
    ++group.cases;
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
    WheelProfile profile;
    profile.system = parameters;
    profile.guarantee.promise = parameters.guarantee;
    for (int drawn = 0; drawn <= kDrawnMainNumbers; ++drawn) {
        DrawnAmongMarked& d = profile.byDrawn[static_cast<std::size_t>(drawn)];
        d.drawn = drawn;
        d.drawsPerCase = Choose(kMainNumbers - parameters.numberCount, kDrawnMainNumbers - drawn);
    }
    const PositionMask fixed = FirstPositions(parameters.fixedCount);
    ForEachDrawnCase(rows, parameters.numberCount, [&](const DrawnCase& c) {
        countCase(profile.byDrawn[static_cast<std::size_t>(c.drawnCount)], c);
        if (c.drawnCount == parameters.guarantee.m)
            countCase((c.drawn & fixed) == fixed ? profile.guarantee.fixedDrawn
                                                 : profile.guarantee.fixedMissed,
                      c);
    });
    return profile;
}

WheelProfile ProfileOfSystem(int index) {
    return ProfileWheel(CombinationTable(index), ParametersOfSystem(index));
}

} // namespace orvane
