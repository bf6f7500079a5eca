// The wheel profile, counted over positions, against the guarantees as stated, against a full
// system counted by hand, and against every draw of five main numbers for numbers marked on a
// grid and boards built by the run.

#include "wheels/wheel_profile.h"

#include "support/marked_system.h"
#include "wheels/wheel_catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace orvane {
namespace {

using test::Held;
using test::MarkedSystem;
using test::NumberMask;

void ExpectClose(double actual, double expected) {
    EXPECT_LE(std::abs(actual - expected), 1e-12 * std::max(std::abs(actual), std::abs(expected)))
        << actual << " against " << expected;
}

std::vector<BoardPositions> rowsOf(int index) {
    const auto table = CombinationTable(index);
    return {table.begin(), table.end()};
}

TEST(WheelProfile, GuaranteeProofGroupsTheCasesByTheFixedNumbers) {
    auto system38WithoutItsFirstBoard = rowsOf(38);
    system38WithoutItsFirstBoard.erase(system38WithoutItsFirstBoard.begin());
    const struct {
        const char* name;
        int system;
        std::vector<BoardPositions> rows; // the system's own table when empty
        Guarantee promise;
        GuaranteeProof::CaseGroup fixedDrawn;
        GuaranteeProof::CaseGroup fixedMissed;
        bool holds;
    } cases[] = {
        {"4 if 5 on 8 numbers", 1, {}, {4, 5}, {56, 4}, {0, 0}, true},
        {"4 if 5 on 11 numbers", 14, {}, {4, 5}, {462, 4}, {0, 0}, true},
        {"full system", 13, {}, {5, 5}, {252, 5}, {0, 0}, true},
        // Every board holds the fixed number, so without it the best board holds four.
        {"7 numbers, one fixed", 8, {}, {5, 5}, {15, 5}, {6, 4}, true},
        {"11 numbers, one fixed", 12, {}, {5, 5}, {210, 5}, {252, 4}, true},
        {"3 if 3 on 7 numbers", 38, {}, {3, 3}, {35, 3}, {0, 0}, true},
        {"3 if 5 on 2 boards", 25, {}, {3, 5}, {252, 3}, {0, 0}, true},
        {"3 if 4 on 25 numbers", 71, {}, {3, 4}, {12650, 3}, {0, 0}, true},
        {"a board short", 38, system38WithoutItsFirstBoard, {3, 3}, {35, 2}, {0, 0}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto rows = c.rows.empty() ? rowsOf(c.system) : c.rows;
        const GuaranteeProof proof = ProfileWheel(rows, ParametersOfSystem(c.system)).guarantee;
        EXPECT_EQ(proof.promise.k, c.promise.k);
        EXPECT_EQ(proof.promise.m, c.promise.m);
        EXPECT_EQ(proof.fixedDrawn.cases, c.fixedDrawn.cases);
        EXPECT_EQ(proof.fixedDrawn.fewestBest, c.fixedDrawn.fewestBest);
        EXPECT_EQ(proof.fixedMissed.cases, c.fixedMissed.cases);
        EXPECT_EQ(proof.fixedMissed.fewestBest, c.fixedMissed.fewestBest);
        EXPECT_EQ(proof.holds(), c.holds);
    }
}

TEST(WheelProfile, EverySystemKeepsItsStatedGuarantee) {
    for (int index = 1; index <= kSystemCount; ++index) {
        SCOPED_TRACE("system " + std::to_string(index) + ", \"" + WheelCatalogue(index).guarantee +
                     "\"");
        const WheelProfile profile = ProfileOfSystem(index);
        const WheelParameters& w = profile.system;
        const GuaranteeProof& proof = profile.guarantee;
        EXPECT_TRUE(proof.holds());
        EXPECT_EQ(proof.casesChecked(), Choose(w.numberCount, w.guarantee.m));
        EXPECT_EQ(proof.fixedDrawn.cases,
                  Choose(w.numberCount - w.fixedCount, w.guarantee.m - w.fixedCount));
    }
}

// A full system holds every choice of five of its numbers, so with j of them drawn exactly
// C(j, h) * C(n - j, 5 - h) boards hold h, whichever j they are.
TEST(WheelProfile, FullSystemHoldsWhatCountingByHandGives) {
    const WheelProfile profile = ProfileOfSystem(13);
    const int n = profile.system.numberCount;
    ASSERT_EQ(n, 10);
    for (int j = 0; j <= kDrawnMainNumbers; ++j) {
        SCOPED_TRACE(std::to_string(j) + " drawn among the marked");
        const DrawnAmongMarked& d = profile.byDrawn[static_cast<std::size_t>(j)];
        EXPECT_EQ(d.drawn, j);
        EXPECT_EQ(d.cases, Choose(n, j));
        EXPECT_EQ(d.drawsPerCase, Choose(kMainNumbers - n, kDrawnMainNumbers - j));
        EXPECT_EQ(d.fewestBest, j);
        EXPECT_EQ(d.mostBest, j);
        EXPECT_EQ(d.casesBestHolds[static_cast<std::size_t>(j)], d.cases);
        for (int h = 0; h < kHoldings; ++h)
            EXPECT_EQ(d.boardsHolding[static_cast<std::size_t>(h)],
                      d.cases * Choose(j, h) * Choose(n - j, kBoardSize - h))
                << h << " held";
    }
    // The chances of j drawn among the marked add up to one draw.
    std::uint64_t draws = 0;
    for (const DrawnAmongMarked& d : profile.byDrawn)
        draws += d.draws();
    EXPECT_EQ(draws, kPossibleDraws);
    EXPECT_EQ(profile.drawsBestHoldsAtLeast(5), Choose(n, 5));
}

// The same figures counted draw by draw, on the numbers of the boards the run builds.
struct DrawCount {
    std::uint64_t draws = 0;
    int fewestBest = kBoardSize;
    int mostBest = 0;
    std::array<std::uint64_t, kHoldings> drawsBestHolds{};
    std::array<std::uint64_t, kHoldings> boardsHolding{};
    std::array<std::uint64_t, 1 << kHoldings> drawsByHoldings{};
};

struct DrawsCounted {
    std::array<DrawCount, kDrawnMainNumbers + 1> byDrawn;
    DrawCount fixedDrawn; // the guarantee's draws
    DrawCount fixedMissed;
};

void countDraw(DrawCount& count, const std::array<int, kHoldings>& holding) {
    int best = 0;
    unsigned set = 0;
    for (int h = 0; h < kHoldings; ++h)
        if (holding[static_cast<std::size_t>(h)] > 0) {
            best = h;
            set |= 1u << h;
        }
    ++count.draws;
    count.fewestBest = std::min(count.fewestBest, best);
    count.mostBest = std::max(count.mostBest, best);
    ++count.drawsBestHolds[static_cast<std::size_t>(best)];
    for (std::size_t h = 0; h < kHoldings; ++h)
        count.boardsHolding[h] += static_cast<std::uint64_t>(holding[h]);
    ++count.drawsByHoldings[set];
}

DrawsCounted countEveryDraw(const MarkedSystem& s, Guarantee promise) {
    DrawsCounted counted;
    test::ForEachDraw([&](NumberMask drawn) {
        std::array<int, kHoldings> holding{};
        for (const NumberMask board : s.boards)
            ++holding[static_cast<std::size_t>(Held(drawn, board))];
        const int amongMarked = Held(drawn, s.marked);
        countDraw(counted.byDrawn[static_cast<std::size_t>(amongMarked)], holding);
        if (amongMarked == promise.m)
            countDraw((drawn & s.fixed) == s.fixed ? counted.fixedDrawn : counted.fixedMissed,
                      holding);
    });
    return counted;
}

void expectGroup(const GuaranteeProof::CaseGroup& group, std::uint64_t drawsPerCase,
                 const DrawCount& counted) {
    EXPECT_EQ(group.cases * drawsPerCase, counted.draws);
    if (group.cases > 0) {
        EXPECT_EQ(group.fewestBest, counted.fewestBest);
    }
}

TEST(WheelProfile, MatchesEveryDrawOfNumbersMarkedOnTheGrid) {
    const struct {
        const char* name;
        MarkedSystem marked;
    } systems[] = {
        {"9 numbers, one fixed, two Thunderballs",
         test::MarkSystem(10, {17}, {2, 5, 11, 23, 28, 31, 36, 39}, {3, 11})},
        {"4 if 5 on 11 numbers",
         test::MarkSystem(14, {}, {1, 4, 9, 13, 16, 20, 22, 27, 30, 34, 38}, {7})},
        {"3 if 4 on 25 numbers",
         test::MarkSystem(71, {}, {2,  3,  5,  6,  8,  9,  11, 13, 14, 16, 18, 19, 21,
                                   23, 24, 26, 28, 29, 31, 32, 34, 35, 37, 38, 39},
                          {14})},
    };
    for (const auto& [name, s] : systems) {
        SCOPED_TRACE(name);
        const WheelProfile profile = ProfileOfSystem(s.index);
        ASSERT_EQ(s.boards.size(), static_cast<std::size_t>(profile.system.boardCount));
        const DrawsCounted counted = countEveryDraw(s, profile.guarantee.promise);

        for (int j = 0; j <= kDrawnMainNumbers; ++j) {
            SCOPED_TRACE(std::to_string(j) + " drawn among the marked");
            const DrawnAmongMarked& d = profile.byDrawn[static_cast<std::size_t>(j)];
            const DrawCount& c = counted.byDrawn[static_cast<std::size_t>(j)];
            ASSERT_EQ(d.draws(), c.draws);
            EXPECT_EQ(d.fewestBest, c.fewestBest);
            EXPECT_EQ(d.mostBest, c.mostBest);
            for (std::size_t h = 0; h < kHoldings; ++h) {
                EXPECT_EQ(d.casesBestHolds[h] * d.drawsPerCase, c.drawsBestHolds[h]) << h;
                EXPECT_EQ(d.boardsHolding[h] * d.drawsPerCase, c.boardsHolding[h]) << h;
            }
            for (std::size_t set = 0; set < c.drawsByHoldings.size(); ++set)
                EXPECT_EQ(d.casesByHoldings[set] * d.drawsPerCase, c.drawsByHoldings[set]) << set;

            const auto draws = static_cast<double>(c.draws);
            ExpectClose(d.chance(), draws / static_cast<double>(kPossibleDraws));
            for (int h = 0; h < kHoldings; ++h) {
                const auto i = static_cast<std::size_t>(h);
                ExpectClose(d.shareBestHolds(h), static_cast<double>(c.drawsBestHolds[i]) / draws);
                ExpectClose(d.averageBoardsHolding(h),
                            static_cast<double>(c.boardsHolding[i]) / draws);
            }
        }

        std::uint64_t atLeast = 0;
        for (int h = kBoardSize; h >= 0; --h) {
            for (const DrawCount& c : counted.byDrawn)
                atLeast += c.drawsBestHolds[static_cast<std::size_t>(h)];
            EXPECT_EQ(profile.drawsBestHoldsAtLeast(h), atLeast) << h << " or more";
            ExpectClose(profile.chanceBestHoldsAtLeast(h),
                        static_cast<double>(atLeast) / static_cast<double>(kPossibleDraws));
        }

        const GuaranteeProof& proof = profile.guarantee;
        const std::uint64_t perCase =
            profile.byDrawn[static_cast<std::size_t>(proof.promise.m)].drawsPerCase;
        expectGroup(proof.fixedDrawn, perCase, counted.fixedDrawn);
        expectGroup(proof.fixedMissed, perCase, counted.fixedMissed);
        EXPECT_GE(counted.fixedDrawn.fewestBest, proof.promise.k);
    }
}

} // namespace
} // namespace orvane
