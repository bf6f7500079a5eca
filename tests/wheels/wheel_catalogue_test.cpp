#include "wheels/wheel_catalogue.h"

#include <gtest/gtest.h>
#include <vector>

namespace orvane {
namespace {

// The catalogue as runs of consecutive systems sharing a guarantee and a fixed count, with the
// (numbers, boards) pair of each system of the run.
struct CatalogueRun {
    int first;
    const char* guarantee;
    int fixed;
    std::vector<std::pair<int, int>> numbersToBoards;
};

const std::vector<CatalogueRun>& catalogueRuns() {
    static const std::vector<CatalogueRun> runs = {
        {1, "4 if 5", 0, {{8, 5}, {9, 9}, {10, 14}}},
        {4, "5 if 5", 0, {{6, 6}, {7, 21}, {8, 56}, {9, 126}}},
        {8, "5 if 5", 1, {{7, 15}, {8, 35}, {9, 70}, {10, 126}, {11, 210}}},
        {13, "5 if 5", 0, {{10, 252}}},
        {14, "4 if 5", 0, {{11, 22}, {12, 35}, {13, 50}}},
        {17,
         "4 if 4",
         0,
         {{7, 9}, {8, 20}, {9, 33}, {10, 52}, {11, 81}, {12, 127}, {13, 176}, {14, 244}}},
        {25,
         "3 if 5",
         0,
         {{10, 2},
          {11, 5},
          {12, 6},
          {13, 8},
          {14, 11},
          {15, 14},
          {16, 14},
          {17, 21},
          {18, 24},
          {19, 32},
          {20, 39},
          {21, 48},
          {22, 55}}},
        {39,
         "3 if 3",
         0,
         {{8, 8},
          {9, 12},
          {10, 17},
          {11, 23},
          {12, 30},
          {13, 39},
          {14, 49},
          {15, 64},
          {16, 74},
          {17, 88},
          {18, 106},
          {19, 130},
          {20, 149},
          {21, 171}}},
        {53,
         "3 if 4",
         0,
         {{7, 3},
          {8, 3},
          {9, 5},
          {10, 7},
          {11, 9},
          {12, 12},
          {13, 16},
          {14, 21},
          {15, 26},
          {16, 33},
          {17, 42},
          {18, 51},
          {19, 61},
          {20, 71},
          {21, 85},
          {22, 98},
          {23, 115},
          {24, 135},
          {25, 151}}},
    };
    return runs;
}

TEST(WheelCatalogue, RecordsMatchTheCatalogue) {
    for (const CatalogueRun& run : catalogueRuns()) {
        for (std::size_t i = 0; i < run.numbersToBoards.size(); ++i) {
            const int index = run.first + static_cast<int>(i);
            SCOPED_TRACE(index);
            const WheelSystem& s = WheelCatalogue(index);
            EXPECT_STREQ(s.guarantee, run.guarantee);
            EXPECT_EQ(s.fixedCount, run.fixed);
            EXPECT_EQ(s.numberCount, run.numbersToBoards[i].first);
            EXPECT_EQ(s.boardCount, run.numbersToBoards[i].second);
            EXPECT_EQ(s.boardSize, 5);
        }
    }
    // System 38 (seven numbers, "3 if 3") is settled apart: three boards cannot hold it.
    EXPECT_EQ(WheelCatalogue(38).numberCount, 7);
    EXPECT_STREQ(WheelCatalogue(38).guarantee, "3 if 3");
}

TEST(DescribeSystem, WritesTheDescriptionCharacterForCharacter) {
    const struct {
        int index;
        const char* text;
    } cases[] = {
        {1, " 8 numbers  in   5 boards :4 if 5 numbers  on the draw"},
        {8,
         " (F) 7 numbers (1 fixe ) in  15 boards :5 if 5 numbers  (including fixes) on the draw"},
        {13, "10 numbers  in 252 boards :5 if 5 numbers  on the draw"},
        {71, "25 numbers  in 151 boards :3 if 4 numbers  on the draw"},
        {25,
         "10 numbers  in   2 boards :3 if 5 numbers  on the draw"}, // three blanks before one digit
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.index);
        EXPECT_EQ(DescribeSystem(c.index), c.text);
    }
}

TEST(CombinationTables, OnlyCatalogueIndicesHaveTables) {
    for (int index : {-1, 0, 72, 1000}) {
        SCOPED_TRACE(index);
        EXPECT_TRUE(CombinationTable(index).empty());
        EXPECT_FALSE(HasCompleteTable(index));
    }
    for (int index = 1; index <= 13; ++index)
        EXPECT_TRUE(HasCompleteTable(index)) << index;
}

} // namespace
} // namespace orvane
