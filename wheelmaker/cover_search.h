#pragma once
// The search for a small covering: boards of `boardSize` numbers such that every m-set of the
// numbers meets some board in k or more. It starts from a covering that holds (a greedy one, or
// one handed in) and descends from the last covering that held: take away the boards whose loss
// leaves fewest sets unmet, then anneal until every set is met again. It takes away several boards
// at once while that succeeds quickly, one when it does not; once one board cannot go in a short
// run, each run gets a third of the time left (one slow cooling goes further than many quick
// ones), from the last covering and from random boards in turn. Each annealing move is aimed: it
// takes an unmet set and changes one number of a board that meets it in k-1 numbers so that the
// board meets it in k, the best of a few such changes where weighing one costs little. The
// temperature is measured on the boards themselves (the moves that make things worse are taken
// about a third of the time at the start, a tenth as often at the end), so one setting serves
// every problem.

#include "wheelmaker/coverage_state.h"
#include "wheelmaker/random_numbers.h"
#include "wheelmaker/search_clock.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace orvane::wheelmaker {

struct CoverSearchSettings {
    std::uint64_t seed = 1;
    // At most this many boards: when no covering that small is found, the boards that leave the
    // fewest sets unmet.
    std::optional<int> cap;
    // No covering can be smaller: the search ends when it reaches it.
    int lowerBound = 1;
    // A covering to start from (it must hold); else a greedy one.
    std::vector<NumberSet> start;
};

struct CoverFound {
    std::vector<NumberSet> boards;
    std::int64_t unmet = 0; // 0 when the boards hold
};

// Told of each better covering found, or, with a cap and no covering within it yet, of each
// better set of cap boards (then with the sets it leaves unmet).
using CoverListener = std::function<void(const std::vector<NumberSet>& boards, std::int64_t unmet)>;

CoverFound SearchCover(const CoverProblem& problem, const CoverSearchSettings& settings,
                       const SearchClock& clock, const CoverListener& listener);

// A covering built one board at a time, each the best of a few boards that meet an unmet set in
// k numbers. It always finishes, whatever the clock says, so that there is a wheel to show.
std::vector<NumberSet> GreedyCover(const CoverProblem& problem, RandomNumbers& random);

// The smallest count of boards any covering needs by counting (the Schoenheim bound when k = m,
// else the sets over the most sets one board can meet).
int CountingBound(const CoverProblem& problem);

// Sorted, without repeated boards (a repeated board meets nothing more).
std::vector<NumberSet> WithoutRepeats(std::vector<NumberSet> boards);

} // namespace orvane::wheelmaker
