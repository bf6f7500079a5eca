#include "settings/offset_text.h"

#include <gtest/gtest.h>
#include <limits>

namespace orvane {
namespace {

struct Conversion {
    const char* text;
    std::int32_t value;
};

TEST(OffsetFromText, ReadsTheLeadingWholeNumberAndNeverRejects) {
    const Conversion cases[] = {
        {"", 0},
        {"-", 0},
        {"+", 0},
        {"0", 0},
        {"3", 3},
        {"+7", 7},
        {"-45", -45},
        {"12-3", 12}, // a sign in the middle ends the number
        {"-4+5", -4},
        {"+-5", 0}, // only one sign is read
        {"--1", 0},
        {"  -8", -8}, // leading blanks are skipped
        {"\t9", 9},
        {"- 8", 0}, // but not between the sign and the digits
        {"7 1", 7},
        {"00012", 12},
        {"-0", 0},
        {"99999", 99999},
        {"-9999", -9999},
        {"2147483647", std::numeric_limits<std::int32_t>::max()},
        {"-2147483648", std::numeric_limits<std::int32_t>::min()},
        {"2147483648", std::numeric_limits<std::int32_t>::max()},
        {"-99999999999999999999999", std::numeric_limits<std::int32_t>::min()},
        {"123456789012345678901234567890", std::numeric_limits<std::int32_t>::max()},
    };
    for (const Conversion& c : cases) {
        SCOPED_TRACE(std::string("text \"") + c.text + "\"");
        EXPECT_EQ(OffsetFromText(c.text), c.value);
    }
}

TEST(OffsetText, IsSignedDecimalCutToSevenCharacters) {
    EXPECT_EQ(OffsetText(0), "0");
    EXPECT_EQ(OffsetText(3), "3");
    EXPECT_EQ(OffsetText(-12), "-12");
    EXPECT_EQ(OffsetText(1234567), "1234567");
    EXPECT_EQ(OffsetText(12345678), "1234567");
    EXPECT_EQ(OffsetText(std::numeric_limits<std::int32_t>::min()), "-214748");
}

TEST(IsOffsetCharacter, KeepsDigitsAndSignsOnly) {
    for (char32_t c = U'0'; c <= U'9'; ++c)
        EXPECT_TRUE(IsOffsetCharacter(c)) << static_cast<int>(c);
    EXPECT_TRUE(IsOffsetCharacter(U'+'));
    EXPECT_TRUE(IsOffsetCharacter(U'-'));
    for (const char32_t c :
         {U'a', U'Z', U' ', U'.', U',', U'\b', U'\r', U'/', U':', U'\u00B2', U'\u0663'})
        EXPECT_FALSE(IsOffsetCharacter(c)) << static_cast<int>(c);
}

} // namespace
} // namespace orvane
