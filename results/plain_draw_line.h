#pragma once
// The plain layout of a draw file, one draw a line: "DD/MM/YYYY n n n n n t", or without the date
// "n n n n n t", the five main numbers in any order, then the Thunderball, apart by blanks, tabs,
// commas or semicolons. Blank lines and lines starting with "#" say nothing. The history keeps its
// draws in this layout too.

#include "results/draw_line_fields.h"

#include <string_view>

namespace orvane {

DrawLine ReadPlainDrawLine(std::string_view line);

// Whether the line starts as a draw of this layout does, with a number or a date, right or wrong:
// a file none of whose lines does is no draw file.
bool StartsLikePlainDraw(std::string_view line);

// The draw as a line of this layout, without the line break.
std::string PlainDrawLine(const StoredDraw& draw);

} // namespace orvane
