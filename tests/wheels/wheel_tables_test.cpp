// The proof behind the catalogue: every table has its shape and keeps its guarantee, checked set by
// set; the checker itself catches broken tables; system 38 cannot do with fewer boards.

#include "wheels/wheel_catalogue.h"
#include "wheels/wheel_verifier.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <set>
#include <vector>

namespace orvane {
namespace {

std::int64_t choose(int n, int k) {
    std::int64_t c = 1;
    for (int i = 1; i <= k; ++i)
        c = c * (n - k + i) / i;
    return c;
}

std::vector<BoardPositions> rowsOf(int index) {
    const auto table = CombinationTable(index);
    return {table.begin(), table.end()};
}

TEST(WheelTables, EveryTableHasItsShapeAndKeepsItsGuarantee) {
    for (int index = 1; index <= kSystemCount; ++index) {
        SCOPED_TRACE("system " + std::to_string(index));
        const WheelSystem& s = WheelCatalogue(index);
        const auto table = CombinationTable(index);
        ASSERT_EQ(table.size(), static_cast<std::size_t>(s.boardCount));
        EXPECT_EQ(s.boardSize, kBoardSize);
        for (const auto& row : table) {
            const std::set<int> positions(row.begin(), row.end());
            EXPECT_EQ(positions.size(), 5u);
            EXPECT_GE(*positions.begin(), 1);
            EXPECT_LE(*positions.rbegin(), s.numberCount);
            for (int fixed = 1; fixed <= s.fixedCount; ++fixed)
                EXPECT_TRUE(positions.contains(fixed)) << "fixed position " << fixed;
        }
        const WheelParameters w = ParametersOfSystem(index);
        const TableCheck check = VerifyTable(table, w);
        EXPECT_EQ(check.shapeFault, "");
        EXPECT_EQ(check.setsChecked,
                  choose(s.numberCount - s.fixedCount, w.guarantee.m - s.fixedCount));
        EXPECT_EQ(check.setsMissed, 0);
    }
}

TEST(WheelTables, FullSystemRuleGivesTheListedBoards) {
    const std::vector<BoardPositions> system4 = {
        {1, 2, 3, 4, 5}, {1, 2, 3, 4, 6}, {1, 2, 3, 5, 6},
        {1, 2, 4, 5, 6}, {1, 3, 4, 5, 6}, {2, 3, 4, 5, 6},
    };
    const std::vector<BoardPositions> system8 = {
        {1, 2, 3, 4, 5}, {1, 2, 3, 4, 6}, {1, 2, 3, 4, 7}, {1, 2, 3, 5, 6}, {1, 2, 3, 5, 7},
        {1, 2, 3, 6, 7}, {1, 2, 4, 5, 6}, {1, 2, 4, 5, 7}, {1, 2, 4, 6, 7}, {1, 2, 5, 6, 7},
        {1, 3, 4, 5, 6}, {1, 3, 4, 5, 7}, {1, 3, 4, 6, 7}, {1, 3, 5, 6, 7}, {1, 4, 5, 6, 7},
    };
    EXPECT_EQ(rowsOf(4), system4);
    EXPECT_EQ(rowsOf(8), system8);
}

// System 38 keeps "3 if 3" on seven numbers with five boards, and with no fewer: each of its
// boards is tight, so dropping any row or moving any position breaks the promise.
TEST(WheelTables, VerifierCatchesEveryChangeToATightTable) {
    const auto tight = rowsOf(38);
    WheelParameters w = ParametersOfSystem(38);
    ASSERT_TRUE(VerifyTable(tight, w).holds());

    for (std::size_t dropped = 0; dropped < tight.size(); ++dropped) {
        SCOPED_TRACE("without row " + std::to_string(dropped + 1));
        auto rows = tight;
        rows.erase(rows.begin() + static_cast<std::ptrdiff_t>(dropped));
        WheelParameters fewer = w;
        fewer.boardCount = static_cast<int>(rows.size());
        const TableCheck check = VerifyTable(rows, fewer);
        EXPECT_EQ(check.shapeFault, "");
        EXPECT_GT(check.setsMissed, 0);
    }

    for (std::size_t r = 0; r < tight.size(); ++r)
        for (std::size_t i = 0; i < kBoardSize; ++i)
            for (int replacement = 1; replacement <= w.numberCount; ++replacement) {
                auto rows = tight;
                auto& row = rows[r];
                if (std::find(row.begin(), row.end(), replacement) != row.end())
                    continue;
                SCOPED_TRACE("row " + std::to_string(r + 1) + " position " + std::to_string(i + 1) +
                             " -> " + std::to_string(replacement));
                row[i] = static_cast<std::uint8_t>(replacement);
                EXPECT_FALSE(VerifyTable(rows, w).holds());
            }
}

TEST(WheelTables, VerifierRejectsTablesOfTheWrongShape) {
    struct Case {
        const char* what;
        int system;
        std::size_t row;
        std::size_t slot;
        int position; // written into row/slot
        const char* fault;
    };
    const Case cases[] = {
        {"position 0", 20, 0, 0, 0, "row 1 holds position 0 outside 1..10"},
        {"position past n", 20, 3, 4, 11, "row 4 holds position 11 outside 1..10"},
        {"repeated position", 20, 2, 1, -1, "row 3 repeats a position"},
        {"fixed position missing", 9, 5, 0, 8, "row 6 lacks fixed position 1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        auto rows = rowsOf(c.system);
        auto& row = rows[c.row];
        row[c.slot] = static_cast<std::uint8_t>(c.position < 0 ? row[c.slot + 1] : c.position);
        EXPECT_EQ(VerifyTable(rows, ParametersOfSystem(c.system)).shapeFault, c.fault);
    }

    auto repeated = rowsOf(20);
    repeated[7] = repeated[2];
    EXPECT_EQ(VerifyTable(repeated, ParametersOfSystem(20)).shapeFault, "row 8 repeats row 3");

    auto extra = rowsOf(1);
    extra.push_back({1, 2, 3, 4, 5});
    EXPECT_EQ(VerifyTable(extra, ParametersOfSystem(1)).shapeFault, "6 rows instead of 5");
}

// A board of five out of seven positions is fixed by the pair it leaves out, so a table of
// seven numbers is a choice among 21 boards; no choice of one board fewer than the record keeps
// "3 if 3".
TEST(WheelTables, System38CannotDoWithOneBoardFewer) {
    WheelParameters w = ParametersOfSystem(38);
    ASSERT_EQ(w.numberCount, 7);
    w.boardCount -= 1;

    std::vector<BoardPositions> boards;
    for (int a = 1; a <= 7; ++a)
        for (int b = a + 1; b <= 7; ++b) {
            BoardPositions board{};
            std::size_t i = 0;
            for (int p = 1; p <= 7; ++p)
                if (p != a && p != b)
                    board[i++] = static_cast<std::uint8_t>(p);
            boards.push_back(board);
        }

    // Every choice of w.boardCount boards out of the 21, as an increasing list of indices.
    std::vector<std::size_t> pick(static_cast<std::size_t>(w.boardCount));
    for (std::size_t i = 0; i < pick.size(); ++i)
        pick[i] = i;
    int choices = 0;
    while (true) {
        std::vector<BoardPositions> rows;
        for (const auto i : pick)
            rows.push_back(boards[i]);
        ++choices;
        ASSERT_FALSE(VerifyTable(rows, w).holds()) << "a table of " << w.boardCount << " works";
        std::size_t i = pick.size();
        while (i > 0 && pick[i - 1] == boards.size() - pick.size() + i - 1)
            --i;
        if (i == 0)
            break;
        ++pick[i - 1];
        for (std::size_t j = i; j < pick.size(); ++j)
            pick[j] = pick[j - 1] + 1;
    }
    EXPECT_EQ(choices, choose(21, w.boardCount));
}

} // namespace
} // namespace orvane
