// The ticket print window's range fields: any texts read as First and Last, and the range
// checked against every system.

#include "fuzz_support.h"
#include "output/ticket_printing.h"
#include "wheels/wheel_catalogue.h"

#include <algorithm>
#include <charconv>
#include <string>
#include <string_view>

using namespace orvane;
using namespace orvane::fuzz;

namespace {

// The value of a field, worked out apart from the program: its leading digits, read up to the
// ninth significant one, which is more than the four characters the field takes can hold.
int ExpectedValue(std::string_view text) {
    std::size_t end = 0;
    while (end < text.size() && text[end] >= '0' && text[end] <= '9')
        ++end;
    std::string_view digits = text.substr(0, end);
    while (!digits.empty() && digits.front() == '0')
        digits.remove_prefix(1);
    digits = digits.substr(0, 9);
    int value = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return value;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    const auto fields = [](std::string_view first, std::string_view last) {
        Bytes bytes(first.begin(), first.end());
        bytes.push_back('\n');
        bytes.insert(bytes.end(), last.begin(), last.end());
        return bytes;
    };
    WriteSeedsIfAsked({fields("1", "15"), fields("0", "15"), fields("", "15"), fields("9", "8"),
                       fields("3x", "4"), fields("0007", ""), fields("9999", "9999"),
                       fields("00000000000012", "123456789012")});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // First up to the first line break, Last after it.
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::size_t split = std::min(text.find('\n'), text.size());
    const std::string firstField = text.substr(0, split);
    const std::string lastField = split < text.size() ? text.substr(split + 1) : std::string();

    const int first = LeadingNumber(firstField);
    const int last = LeadingNumber(lastField);
    Require(first == ExpectedValue(firstField), "First is its leading digits");
    Require(last == ExpectedValue(lastField), "Last is its leading digits");

    for (int index = 1; index <= kSystemCount; ++index) {
        const int boards = WheelCatalogue(index).boardCount;
        Require(IsPrintableRange(first, last, boards) ==
                    (first >= 1 && first <= last && last <= boards),
                "a range is printable when it lies within the system's boards");
    }
    return 0;
}
