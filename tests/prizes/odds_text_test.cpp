// Chances, shares and averages as the player reads them.

#include "prizes/odds_text.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(OddsText, ChancesAsOneInN) {
    const struct {
        double chance;
        const char* text;
    } cases[] = {
        {21.0 / 575'757, "1 in 27,417"},
        {1.0 / 8'060'598, "1 in 8,060,598"},
        {0.5, "1 in 2.0"},
        {1.0, "1 in 1.0"},
        {1 / 6.93, "1 in 6.9"},
        {1 / 99.9, "1 in 99.9"},
        {1 / 99.97, "1 in 100"}, // not "1 in 100.0"
        {1 / 150.4, "1 in 150"},
        {0.0, "never"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(OneIn(c.chance), c.text);
    }
}

TEST(OddsText, SharesAsPercentagesExactOnlyAtTheEnds) {
    const struct {
        double share;
        const char* text;
    } cases[] = {
        {15.0 / 21, "71.4%"}, {6.0 / 21, "28.6%"}, {0.0, "0%"},
        {1.0, "100%"},        {0.0004, "<0.1%"},   {0.9996, ">99.9%"},
        {0.001, "0.1%"},      {0.999, "99.9%"},    {0.5, "50.0%"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(SharePercent(c.share), c.text);
    }
}

TEST(OddsText, AveragesToThreeSignificantDigits) {
    const struct {
        double average;
        const char* text;
    } cases[] = {
        {25.0 / 7, "3.57"},       {1.0, "1.00"},    {0.0312345, "0.0312"},
        {0.0000372, "0.0000372"}, {12.345, "12.3"}, {9.996, "10.0"},
        {0.09996, "0.100"},       {1234.6, "1235"}, {0.0, "0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(AverageText(c.average), c.text);
    }
}

} // namespace
} // namespace orvane
