#pragma once
// Proves a combination table: its shape (row count, positions, fixed positions) and its guarantee,
// by walking every m-set of positions that holds the fixed positions (a fixed system promises
// its guarantee when its fixed numbers are drawn); also measures how far the table goes past it.

#include "wheels/wheel_catalogue.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace orvane {

// What a table must be and hold: n positions, 1..f on every row, "k if m", b rows.
struct WheelParameters {
    int numberCount;
    int fixedCount;
    Guarantee guarantee;
    int boardCount;
};

WheelParameters ParametersOfSystem(int index);

// The stronger promise a table of guarantee g may keep in part: "k+1 if m" when k < m,
// "k+1 if k+1" when k = m < 5; nothing for "5 if 5".
std::optional<Guarantee> BeyondGuarantee(Guarantee g);

struct TableCheck {
    // Empty when the rows have the required shape (no board repeated either), else the first
    // fault found.
    std::string shapeFault;
    std::int64_t setsChecked = 0; // every m-set of positions holding the fixed ones
    std::int64_t setsMissed = 0;  // m-sets no row meets in k or more positions
    // The beyond guarantee's sets and how many of them some row meets; both 0 when there is none.
    std::int64_t beyondSets = 0;
    std::int64_t beyondMet = 0;

    bool holds() const { return shapeFault.empty() && setsMissed == 0; }
    double beyondShare() const {
        return beyondSets == 0 ? 0.0
                               : static_cast<double>(beyondMet) / static_cast<double>(beyondSets);
    }
};

// Checks `rows` exhaustively against `parameters`.
TableCheck VerifyTable(std::span<const BoardPositions> rows, const WheelParameters& parameters);

// How many of the m-sets of positions 1..n that hold positions 1..f some row meets in k or more
// positions ("k if m"). Rows must hold positions in 1..n.
std::int64_t CountSetsMet(std::span<const BoardPositions> rows, int numberCount, int fixedCount,
                          Guarantee g);

} // namespace orvane
