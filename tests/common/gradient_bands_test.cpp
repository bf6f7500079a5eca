#include "common/gradient_bands.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(MulDiv, RoundsToNearestWithHalvesAwayFromZero) {
    const struct {
        int a, b, c, expected;
    } cases[] = {
        {1, 1, 2, 1},       {1, 1, 3, 0},        {2, 1, 3, 1},
        {-1, 1, 2, -1},     {-2, 1, 3, -1},      {255, -12, 255, -12},
        {128, -6, 255, -3}, {100, 100, 256, 39}, {2000000000, 3, 4, 1500000000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.a << "*" << c.b << "/" << c.c);
        EXPECT_EQ(MulDiv(c.a, c.b, c.c), c.expected);
    }
}

TEST(GradientBands, FirstIsTheStartColourAndLastExactlyTheEndColour) {
    const GradientBand first = GradientBandAt(0, 375, kBackdropStartColor, kBackdropEndColor);
    const GradientBand last = GradientBandAt(255, 375, kBackdropStartColor, kBackdropEndColor);
    EXPECT_EQ(first.color, (Rgb{241, 255, 223}));
    EXPECT_EQ(last.color, (Rgb{235, 254, 171}));
    EXPECT_EQ(first.top, 0);
    EXPECT_EQ(last.bottom, 375);
}

TEST(GradientBands, TileTheHeightWithoutGapsEvenWhenShorterThanTheBands) {
    for (int height : {100, 256, 375, 1000}) {
        SCOPED_TRACE(height);
        int expectedTop = 0;
        int empty = 0;
        for (int i = 0; i < kGradientBands; ++i) {
            const GradientBand band = GradientBandAt(i, height, 0, 0xFFFFFF);
            EXPECT_EQ(band.top, expectedTop);
            EXPECT_GE(band.bottom, band.top);
            empty += band.bottom == band.top;
            expectedTop = band.bottom;
        }
        EXPECT_EQ(expectedTop, height);
        EXPECT_EQ(empty, height >= kGradientBands ? 0 : kGradientBands - height);
    }
}

TEST(GradientBands, FallingComponentStaysInRangeAndEqualColoursAreUniform) {
    // Start blue 223 falling to 171: every band lies between them and never rises.
    int previous = 256;
    for (int i = 0; i < kGradientBands; ++i) {
        const int blue = GradientBandAt(i, 375, kBackdropStartColor, kBackdropEndColor).color.blue;
        EXPECT_LE(blue, 223);
        EXPECT_GE(blue, 171);
        EXPECT_LE(blue, previous);
        previous = blue;
    }
    for (int i = 0; i < kGradientBands; ++i)
        EXPECT_EQ(GradientBandAt(i, 50, 0x123456, 0x123456).color, RgbOf(0x123456));
}

} // namespace
} // namespace orvane
