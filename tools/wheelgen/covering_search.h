#pragma once
// Local search for wheel tables: b rows of five positions that meet every m-set of positions in
// k or more, found by simulated annealing with moves that replace one position of one row.

#include "wheels/wheel_verifier.h"

#include <cstdint>
#include <vector>

namespace orvane::wheelgen {

enum class StartKind {
    Random, // random rows, and cyclic ones on every other attempt
    Cyclic, // rows are shifts of a few random base rows around the free positions, every attempt
};

struct SearchSettings {
    std::uint64_t seed = 1;
    int attempts = 20; // fresh starts before giving up
    // Tables that keep the guarantee to build and take past it; the one that goes furthest wins.
    int candidates = 1;
    std::int64_t iterationsPerAttempt = 2'000'000;
    std::int64_t polishIterations = 200'000; // second phase, once the guarantee holds
    StartKind start = StartKind::Random;
    double startTemperature = 1.0;
    double endTemperature = 0.05;
    // Second phase: a missed set of the guarantee weighs as much as this many sets of the
    // stronger promise, and the temperature falls from start to end.
    int guaranteeWeight = 4;
    double polishStartTemperature = 2.0;
    double polishEndTemperature = 0.1;
};

struct SearchResult {
    // The table found, rows and positions sorted: the candidate that meets the most sets of the
    // stronger promise, or, when no start kept the guarantee, the table that missed fewest sets.
    std::vector<BoardPositions> rows;
    std::int64_t setsMissed = 0; // m-sets that table misses; 0 when it holds
    std::int64_t beyondMet = 0;  // sets of the beyond guarantee it meets
    int attemptsUsed = 0;        // over all candidates
    std::int64_t iterations = 0; // moves tried, both phases
};

// Searches for a table with `parameters`; the same settings always give the same result.
SearchResult SearchTable(const WheelParameters& parameters, const SearchSettings& settings);

} // namespace orvane::wheelgen
