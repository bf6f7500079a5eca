#include "settings/offset_text.h"

#include <limits>

namespace orvane {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

std::string OffsetText(std::int32_t millimetres) {
    std::string text = std::to_string(millimetres);
    if (text.size() > std::size_t{kOffsetTextLength})
        text.resize(kOffsetTextLength);
    return text;
}

std::int32_t OffsetFromText(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // Accumulated as a magnitude in 64 bits and stopped at the 32-bit limit, so no input can
    // overflow however many digits it holds.
    const std::int64_t limit =
        negative ? -static_cast<std::int64_t>(std::numeric_limits<std::int32_t>::min())
                 : std::numeric_limits<std::int32_t>::max();
    std::int64_t magnitude = 0;
    for (; i < text.size() && isDigit(text[i]); ++i) {
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude >= limit) {
            magnitude = limit;
            break;
        }
    }
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

bool IsOffsetCharacter(char32_t typed) {
    return (typed >= U'0' && typed <= U'9') || typed == U'+' || typed == U'-';
}

} // namespace orvane
