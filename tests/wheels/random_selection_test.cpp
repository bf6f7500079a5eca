#include "wheels/random_selection.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(RandomSelection, MarksDistinctNumbersOfTheGridStyleAndKeepsThunderballs) {
    for (const int gridStyle : {1, 2}) {
        const int pool = gridStyle == 2 ? 36 : 39;
        for (unsigned seed = 0; seed < 200; ++seed) {
            SCOPED_TRACE(testing::Message() << "style " << gridStyle << " seed " << seed);
            std::mt19937 generator(seed);
            SelectionGrid grid;
            grid.setState(4, kFixed);
            grid.setState(38, kSelected);
            grid.setState(ThunderballCell(3), kSelected);
            grid.setState(ThunderballCell(9), kFixed);
            const int n = 6 + static_cast<int>(seed % 20);
            RandomSelection(grid, n, gridStyle, generator);
            EXPECT_EQ(grid.CountCells(CellKind::Main), n);
            EXPECT_EQ(grid.CountCells(CellKind::Fixed),
                      1); // only the fixed Thunderball stays fixed
            for (int c = pool + 1; c <= kMainNumbers; ++c)
                ASSERT_EQ(grid.state(c), kEmpty) << c;
            EXPECT_EQ(grid.state(ThunderballCell(3)), kSelected);
            EXPECT_EQ(grid.state(ThunderballCell(9)), kFixed);
        }
    }
}

TEST(RandomSelection, EveryNumberCanBeDrawn) {
    std::mt19937 generator(7);
    int hits[kMainNumbers + 1] = {};
    for (int round = 0; round < 300; ++round) {
        SelectionGrid grid;
        RandomSelection(grid, 8, 1, generator);
        for (int c = 1; c <= kMainNumbers; ++c)
            hits[c] += grid.state(c) == kSelected;
    }
    for (int c = 1; c <= kMainNumbers; ++c)
        EXPECT_GT(hits[c], 20) << c; // 300 * 8 / 39 is about 62 on average
}

TEST(RandomSelection, FreshGeneratorsDiffer) {
    std::mt19937 a = FreshlySeededGenerator();
    std::mt19937 b = FreshlySeededGenerator();
    EXPECT_NE(a(), b());
}

} // namespace
} // namespace orvane
