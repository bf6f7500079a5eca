#pragma once
// Reading a file of past draws to import: the operator's download (operator_draw_file.h) or a
// plain text file with one draw a line (plain_draw_line.h). Every good line gives its draw and
// every bad one is refused with its line number and the reason, so one bad line never costs the
// others; a file that is no draw file at all gives nothing and says so.

#include "results/draw_line_fields.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

// Far more than the whole history of the game in either layout.
constexpr std::size_t kMostDrawFileBytes = 4 * 1024 * 1024;

enum class DrawFileLayout { Plain, Operator };

enum class DrawFileProblem {
    None,
    Unreadable,  // missing, not a regular file, or refused by the system
    Empty,       // nothing but blank lines
    TooLarge,    // past kMostDrawFileBytes
    NotDrawFile, // no line reads as a draw nor starts like one, or binary bytes and no draw
    OtherGame,   // the operator's download for another game
};

struct RefusedDrawLine {
    int line = 0; // from 1, as an editor counts them
    Refusal reason;

    bool operator==(const RefusedDrawLine&) const = default;
};

struct DrawFileReading {
    DrawFileProblem problem = DrawFileProblem::None;
    DrawFileLayout layout = DrawFileLayout::Plain;
    std::vector<StoredDraw> draws; // in the order of the file
    std::vector<RefusedDrawLine> refused;
};

DrawFileReading ReadDrawText(std::string_view text);
DrawFileReading ReadDrawFile(const std::string& path);

} // namespace orvane
