#pragma once
// The printer adjustments as the parameters window shows, filters and reads them back.

#include <cstdint>
#include <string>
#include <string_view>

namespace orvane {

// The longest text an adjustment box shows a stored value with, and the longest text typing may
// leave in a box.
constexpr int kOffsetTextLength = 7;
constexpr int kOffsetTypedLength = 5;

// An adjustment as the edit boxes first show it: signed decimal, cut to kOffsetTextLength.
std::string OffsetText(std::int32_t millimetres);

// Reads an adjustment the way the OK button does: leading blanks skipped, an optional sign, then
// the digits up to the first character that is not one. Nothing is ever rejected: an empty text
// or a lone sign gives 0, and a number beyond the 32-bit range stops at its nearest limit.
std::int32_t OffsetFromText(std::string_view text);

// Whether a character typed into an adjustment box is kept: digits and the two signs only.
bool IsOffsetCharacter(char32_t typed);

} // namespace orvane
