// The hint line's words for a refused selection, and what Random numbers leaves to fix.
#include "wheels/selection_hint.h"

#include "wheels/selection_grid.h"
#include "wheels/system_list.h"
#include "wheels/wheel_catalogue.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

SystemList Chosen(int index) {
    SystemList list;
    list.choose(list.positionOfSystem(index));
    return list;
}

TEST(SelectionHint, SaysWhatTheSystemNeedsAndWhatIsMarked) {
    struct Case {
        const char* what;
        int system;
        std::vector<int> selected, fixed, thunderballs;
        ThunderballRule rule;
        const char* said;
    };
    // System 8: seven numbers, one fixed. System 7: nine numbers, none fixed.
    const Case cases[] = {
        {"one number too many and none fixed",
         8,
         {1, 2, 3, 4, 5, 6, 7, 8},
         {},
         {1},
         ThunderballRule::ExactlyOne,
         "This system needs 7 numbers with 1 fixed and one Thunderball: 8 numbers, 0 fixed and "
         "1 Thunderball are marked"},
        {"two Thunderballs for a button",
         8,
         {1, 2, 3, 4, 5, 6},
         {39},
         {1, 2},
         ThunderballRule::ExactlyOne,
         "This system needs 7 numbers with 1 fixed and one Thunderball: 7 numbers, 1 fixed and "
         "2 Thunderballs are marked"},
        {"no Thunderball for a menu item",
         7,
         {1, 2, 3, 4, 5, 6, 7, 8, 9},
         {},
         {},
         ThunderballRule::AtLeastOne,
         "This system needs 9 numbers, none fixed, and at least one Thunderball: 9 numbers, "
         "0 fixed and 0 Thunderballs are marked"},
        {"a single number",
         7,
         {12},
         {},
         {3},
         ThunderballRule::ExactlyOne,
         "This system needs 9 numbers, none fixed, and one Thunderball: 1 number, 0 fixed and "
         "1 Thunderball are marked"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SelectionGrid grid;
        for (int n : c.selected)
            grid.setState(n, kSelected);
        for (int n : c.fixed)
            grid.setState(n, kFixed);
        for (int t : c.thunderballs)
            grid.setState(ThunderballCell(t), kSelected);
        EXPECT_EQ(SelectionNeedsText(grid, Chosen(c.system), c.rule), c.said);
    }
}

TEST(SelectionHint, AFixedThunderballIsSaidToCountForNothing) {
    SelectionGrid grid;
    for (int n : {1, 2, 3, 4, 5, 6, 7})
        grid.setState(n, kSelected);
    grid.setState(ThunderballCell(4), kFixed);
    EXPECT_EQ(SelectionNeedsText(grid, Chosen(8), ThunderballRule::ExactlyOne),
              "This system needs 7 numbers with 1 fixed and one Thunderball: 7 numbers, 0 fixed "
              "and 1 Thunderball are marked (a Thunderball cannot be fixed)");
}

TEST(SelectionHint, NoSystemChosenAsksForOne) {
    SystemList none;
    none.choose(-1);
    EXPECT_EQ(SelectionNeedsText(SelectionGrid(), none, ThunderballRule::ExactlyOne),
              "Choose a system in the list above the grid");
}

TEST(SelectionHint, RandomNumbersNamesTheFixedNumbersLeftToMarkOnlyWhereTheSystemHasThem) {
    EXPECT_EQ(RandomLeavesFixedText(Chosen(8)),
              "Random numbers marks no fixed number: this system needs 1 fixed, so fix 1 of the 7 "
              "numbers marked with a right click");
    EXPECT_EQ(RandomLeavesFixedText(Chosen(7)), "");
}

} // namespace
} // namespace orvane
