// The printer adjustments' text: any text read back as OK reads it, and any stored value shown
// and read back.

#include "fuzz_support.h"
#include "settings/offset_text.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <string_view>

using namespace orvane;
using namespace orvane::fuzz;

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The value OK gives a text, worked out apart from the program: the leading whole number, held
// at the nearest 32-bit limit.
std::int32_t ExpectedValue(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    const bool negative = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        ++i;
    while (i < text.size() && text[i] == '0')
        ++i;
    std::size_t end = i;
    while (end < text.size() && IsDigit(text[end]))
        ++end;
    const std::string_view digits = text.substr(i, end - i);
    if (digits.size() > 10)
        return negative ? std::numeric_limits<std::int32_t>::min()
                        : std::numeric_limits<std::int32_t>::max();
    std::int64_t magnitude = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), magnitude);
    const std::int64_t value = negative ? -magnitude : magnitude;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    const auto text = [](std::string_view s) { return Bytes(s.begin(), s.end()); };
    WriteSeedsIfAsked({text(""), text("-"), text("+7"), text("-45"), text("12-3"), text("  -8"),
                       text("\t9"), text("00012"), text("-2147483648"), text("2147483648"),
                       text("99999999999999999999"), text("1234567")});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    Require(OffsetFromText(text) == ExpectedValue(text), "OK reads the leading whole number");

    // A stored value, shown and read back: the value itself when its text fits, else the value
    // of the text's first seven characters.
    if (size >= 4) {
        const std::int32_t stored = Int32At(data);
        const std::string shown = OffsetText(stored);
        const std::string whole = std::to_string(stored);
        Require(shown == whole.substr(0, kOffsetTextLength), "a value shows its first characters");
        Require(OffsetFromText(shown) == ExpectedValue(shown), "a shown value reads back");
        if (whole.size() <= std::size_t{kOffsetTextLength})
            Require(OffsetFromText(shown) == stored, "a value that fits reads back as itself");
    }
    return 0;
}
