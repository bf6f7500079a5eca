#pragma once
// The draw-history file the game's operator offers for download (docs/draw-history.md): a first
// line naming the columns, "DrawDate,Ball 1,Ball 2,Ball 3,Ball 4,Ball 5,Thunderball,Ball Set,
// Machine,DrawNumber", then one draw a line, its date as "28-Aug-2024" and its main numbers in
// the order they were drawn. The columns are found by their names, so a column added or moved
// by the operator does not shift the numbers read.

#include "results/draw_line_fields.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

// Where the columns read are, counted from 0.
struct OperatorColumns {
    std::size_t date = 0;
    std::array<std::size_t, kDrawnMainNumbers> balls{};
    std::size_t thunderball = 0;
};

struct OperatorHeader {
    enum class Kind {
        NotOperator, // no "DrawDate" column: not the operator's layout
        OtherGame,   // the operator's layout for another game: no Thunderball or no five balls
        Thunderball,
    };
    Kind kind = Kind::NotOperator;
    OperatorColumns columns;
};

OperatorHeader ReadOperatorHeader(std::string_view line);

// One line below the header.
DrawLine ReadOperatorRow(std::string_view line, const OperatorColumns& columns);

// "28-Aug-2024": the day with one or two digits, the month's English abbreviation in any case,
// the year with four digits, and a day the calendar has.
std::optional<DrawDate> OperatorDate(std::string_view field);

// The fields of a comma-separated line; a field in double quotes may hold commas, and "" in it
// stands for one quote.
std::vector<std::string> CommaSeparated(std::string_view line);

} // namespace orvane
