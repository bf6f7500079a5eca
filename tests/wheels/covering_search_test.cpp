// The search behind the reduced tables finds small known tables, fixed positions kept, and
// repeats itself for the same seed.

#include "tools/wheelgen/covering_search.h"

#include <gtest/gtest.h>

namespace orvane::wheelgen {
namespace {

TEST(CoveringSearch, FindsKnownSmallTablesFromAFixedSeed) {
    const WheelParameters cases[] = {
        {8, 0, {4, 5}, 5}, // system 1's parameters
        {7, 0, {3, 3}, 5}, // system 38 as settled
        {9, 1, {3, 4}, 2}, // one fixed position on every row
    };
    SearchSettings settings;
    settings.seed = 7;
    for (const auto& w : cases) {
        SCOPED_TRACE(std::to_string(w.numberCount) + " numbers, " + std::to_string(w.fixedCount) +
                     " fixed, " + std::to_string(w.boardCount) + " boards");
        const SearchResult found = SearchTable(w, settings);
        EXPECT_EQ(found.setsMissed, 0);
        const TableCheck check = VerifyTable(found.rows, w);
        EXPECT_TRUE(check.holds()) << check.shapeFault;
        EXPECT_EQ(SearchTable(w, settings).rows, found.rows);
    }
}

} // namespace
} // namespace orvane::wheelgen
