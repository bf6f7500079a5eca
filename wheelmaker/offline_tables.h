#pragma once
// Wheels made offline with this engine, run for hours rather than seconds, for the requests whose
// search cannot reach a good size while a player waits. Each is kept as a text file in
// wheelmaker/tables/ (named for its covering problem, "v20-b5-k3-m3.txt"; boards one a line,
// numbers 1..v) and built into the program; tools/wheeltables makes and improves them.

#include "wheelmaker/number_sets.h"
#include "wheelmaker/wheel_request.h"

#include <string>
#include <vector>

namespace orvane::wheelmaker {

// The table made for this covering problem, as sets of free numbers (bit 0 is number 1); empty
// when none was made.
std::vector<NumberSet> OfflineTable(const CoverProblem& problem);

// The boards of a table's text: one a line, numbers 1..numbers apart by blanks; lines starting
// with "#" and blank lines say nothing. Empty when a line is not a board of `boardSize` distinct
// numbers in 1..numbers.
std::vector<NumberSet> ParseTableText(const std::string& text, int numbers, int boardSize);

// The name a problem's table file has in wheelmaker/tables/.
std::string TableFileName(const CoverProblem& problem);

} // namespace orvane::wheelmaker
