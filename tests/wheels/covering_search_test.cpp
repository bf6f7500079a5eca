// The search behind the reduced tables finds small known tables, fixed positions kept, and
// repeats itself for the same seed.

#include "tools/wheelgen/covering_search.h"

#include <gtest/gtest.h>

namespace orvane::wheelgen {
namespace {

TEST(CoveringSearch, FindsKnownSmallTablesFromAFixedSeed) {
    struct Case {
        WheelParameters parameters;
        StartKind start;
    };
    const Case cases[] = {
        {{8, 0, {4, 5}, 5}, StartKind::Random}, // system 1's parameters
        {{8, 0, {4, 5}, 5}, StartKind::Cyclic},
        {{7, 0, {3, 3}, 5}, StartKind::Random}, // system 38 as settled
        {{9, 1, {3, 4}, 2}, StartKind::Random}, // one fixed position on every row
        {{9, 1, {3, 4}, 2}, StartKind::Cyclic},
    };
    for (const auto& c : cases) {
        const WheelParameters& w = c.parameters;
        SCOPED_TRACE(std::to_string(w.numberCount) + " numbers, " + std::to_string(w.fixedCount) +
                     " fixed, " + std::to_string(w.boardCount) + " boards, " +
                     (c.start == StartKind::Cyclic ? "cyclic" : "random") + " start");
        SearchSettings settings;
        settings.seed = 7;
        settings.start = c.start;
        const SearchResult found = SearchTable(w, settings);
        EXPECT_EQ(found.setsMissed, 0);
        const TableCheck check = VerifyTable(found.rows, w);
        EXPECT_TRUE(check.holds()) << check.shapeFault;
        EXPECT_EQ(found.beyondMet, check.beyondMet);
        EXPECT_EQ(SearchTable(w, settings).rows, found.rows);
    }
}

} // namespace
} // namespace orvane::wheelgen
