#pragma once
// How chances, shares and averages are written for the player.

#include <string>

namespace orvane {

// A chance as "1 in N": N with one decimal below 100, else whole and grouped by thousands;
// "never" for no chance at all.
std::string OneIn(double chance);

// A share as a percentage with one decimal, "0%" and "100%" only when exact, and "<0.1%" or
// ">99.9%" for what would round to them.
std::string SharePercent(double share);

// An average to three significant digits, written out without an exponent: "3.57", "0.0312",
// "0.0000372"; "0" only when exact.
std::string AverageText(double average);

} // namespace orvane
