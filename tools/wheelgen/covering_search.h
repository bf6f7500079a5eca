#pragma once
// Local search for wheel tables: b rows of five positions that meet every m-set of positions in
// k or more, found by simulated annealing with moves that replace one position of one row.

#include "wheels/wheel_verifier.h"

#include <cstdint>
#include <vector>

namespace orvane::wheelgen {

enum class StartKind {
    Random, // every row a random choice of positions
    Cyclic, // rows are shifts of a few random base rows around the free positions
};

struct SearchSettings {
    std::uint64_t seed = 1;
    int attempts = 20; // fresh starts before giving up
    std::int64_t iterationsPerAttempt = 2'000'000;
    std::int64_t polishIterations = 200'000; // second phase, once the guarantee holds
    StartKind start = StartKind::Random;
    double startTemperature = 1.0;
    double endTemperature = 0.05;
};

struct SearchResult {
    std::vector<BoardPositions> rows; // the best table found, rows and positions sorted
    std::int64_t setsMissed = 0;      // m-sets the best table misses; 0 when it holds
    std::int64_t beyondMet = 0;       // sets of the beyond guarantee it meets
    int attemptsUsed = 0;
    std::int64_t iterations = 0; // moves tried, both phases
};

// Searches for a table with `parameters`; the same settings always give the same result.
SearchResult SearchTable(const WheelParameters& parameters, const SearchSettings& settings);

} // namespace orvane::wheelgen
