#include "wheelmaker/offline_tables.h"
#include "wheelmaker/offline_tables_data.h"
#include "wheelmaker/wheel_maker.h"
#include "wheelmaker/wheel_records.h"

#include "wheelmaker/naive_proof.h"

#include <gtest/gtest.h>

#include <chrono>

namespace orvane::wheelmaker {
namespace {

using namespace std::chrono_literals;
using test::NaiveProof;
using test::WellFormed;

std::vector<BoardPositions> positionsOf(const std::vector<NumberSet>& boards) {
    std::vector<BoardPositions> rows;
    for (const NumberSet board : boards) {
        BoardPositions row{};
        std::size_t i = 0;
        for (NumberSet rest = board; rest != 0 && i < row.size(); rest &= rest - 1)
            row[i++] = static_cast<std::uint8_t>(std::countr_zero(rest) + 1);
        rows.push_back(row);
    }
    return rows;
}

MakeOptions within(std::chrono::milliseconds limit) {
    MakeOptions options;
    options.timeLimit = limit;
    return options;
}

TEST(OfflineTables, EachKeepsItsPromiseByASecondProofAndIsHandedToThePlayerAtOnce) {
    for (const OfflineTableText& table : OfflineTableTexts()) {
        const CoverProblem problem{table.numbers, table.boardSize, table.k, table.m};
        SCOPED_TRACE(TableFileName(problem));
        // Every table made so far is for whole boards without fixed numbers.
        ASSERT_EQ(table.boardSize, kNumbersPerBoard);
        const auto boards = OfflineTable(problem);
        ASSERT_FALSE(boards.empty()) << "the file is not a table of boards";
        const auto rows = positionsOf(boards);
        ASSERT_TRUE(WellFormed(rows, table.numbers, 0));
        const auto naive = NaiveProof(rows, table.numbers, 0, table.k, table.m);
        EXPECT_EQ(naive.met, naive.cases);

        const WheelRequest request{table.numbers, 0, table.k, table.m, {}};
        EXPECT_GE(static_cast<int>(rows.size()), KnownSizesFor(request).lowerBound);
        // However soon the search must end, the player gets the table or better.
        const MadeWheel made = MakeWheel(request, within(1ms));
        EXPECT_TRUE(made.keepsPromise());
        EXPECT_LE(made.boards.size(), rows.size());
    }
}

TEST(OfflineTables, ATableWithAnyFaultReadsAsNoTable) {
    const struct {
        const char* text;
        std::size_t boards; // 0: refused
    } cases[] = {
        {"# two boards\n1 2 3 4 5\n\n  6 7 8 9 10\n", 2},
        {"1 2 3 4 5\r\n2 3 4 5 6\r\n", 2},
        {"0 2 3 4 5\n", 0},            // below 1
        {"1 2 3 4 11\n", 0},           // above the numbers
        {"1 2 3 4 4\n", 0},            // a number twice
        {"1 2 3 4\n", 0},              // too few
        {"1 2 3 4 5 6\n", 0},          // too many
        {"1 2 3 4 five\n", 0},         // not a number
        {"1 2 3 4 5\n1,2,3,4,6\n", 0}, // not apart by blanks
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ParseTableText(c.text, 10, 5).size(), c.boards);
    }
}

TEST(WheelMaker, StartsFromAWheelHandedInAndTellsEachSmallerProvenWheel) {
    const WheelRequest r{16, 0, 3, 4, {}};
    const MadeWheel earlier = MakeWheel(r, within(2s));
    ASSERT_TRUE(earlier.keepsPromise());

    MakeOptions options = within(1ms);
    options.startWheel = earlier.boards;
    std::vector<std::size_t> told;
    options.betterWheel = [&](const std::vector<BoardPositions>& wheel) {
        ASSERT_TRUE(WellFormed(wheel, r.numbers, 0));
        const auto naive = NaiveProof(wheel, r.numbers, 0, r.k, r.m);
        EXPECT_EQ(naive.met, naive.cases);
        EXPECT_TRUE(told.empty() || wheel.size() < told.back());
        told.push_back(wheel.size());
    };
    const MadeWheel made = MakeWheel(r, options);
    EXPECT_TRUE(made.keepsPromise());
    EXPECT_LE(made.boards.size(), earlier.boards.size());
    ASSERT_FALSE(told.empty());
    EXPECT_EQ(told.back(), made.boards.size());

    // A start that does not keep the promise is never taken for a wheel.
    options.startWheel.resize(3);
    options.betterWheel = nullptr;
    const MadeWheel fromBroken = MakeWheel(r, options);
    EXPECT_TRUE(fromBroken.keepsPromise());
}

} // namespace
} // namespace orvane::wheelmaker
