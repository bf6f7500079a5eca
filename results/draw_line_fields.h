#pragma once
// The fields of a line of a draw file: a number as written, the checks every draw's numbers must
// pass, and the words a refused line is given (French, as every message about reading a file).

#include "results/stored_draw.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace orvane {

// Why a line is not a draw, in the player's words.
using Refusal = std::string;

// What one line of a draw file gives: nothing (a blank line, a comment, a header), a draw, or
// the reason it is no draw.
struct DrawLine {
    enum class Kind { Nothing, Draw, Refused };
    Kind kind = Kind::Nothing;
    StoredDraw draw;
    Refusal refusal;
};
DrawLine RefusedLine(Refusal why);
DrawLine DrawnLine(const StoredDraw& draw);

// A field trimmed of blanks, tabs and a line's carriage return.
std::string_view TrimmedField(std::string_view field);

// The first byte of `line` that has no business in a text line (a control byte other than a tab,
// or DEL): "octet inattendu 0x00"; nothing for a clean line.
std::optional<Refusal> StrayByteIn(std::string_view line);

// A field of digits, as written ("07", "40"): its value, or why it is not a number. Values past
// what a draw can hold are kept as a big number, to be refused by CheckDrawNumbers.
std::variant<int, Refusal> NumberField(std::string_view field);

// The five main numbers and the Thunderball as read, each with its text for the message.
struct NumberFields {
    std::array<int, kDrawnMainNumbers> main{};
    std::array<std::string, kDrawnMainNumbers> mainText;
    int thunderball = 0;
    std::string thunderballText;
};

// Why these numbers are not a draw (a main number outside 1..39 or given twice, a Thunderball
// outside 1..14); nothing when they are one.
std::optional<Refusal> CheckDrawNumbers(const NumberFields& fields);
Draw DrawOf(const NumberFields& fields);

// A field as a refusal names it: whole up to kLongestFieldShown characters, beyond that its start
// and "…", so a field of megabytes makes a message of one line.
inline constexpr std::size_t kLongestFieldShown = 40;
std::string ShownField(std::string_view field);

// A field as a refusal quotes it: « 12a », shortened as ShownField does, or the byte that cannot
// be shown.
std::string QuotedField(std::string_view field);

} // namespace orvane
