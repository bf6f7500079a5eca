#include "wheels/system_list.h"

#include "wheels/wheel_catalogue.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <utility>

namespace orvane {
namespace {

TEST(SystemList, HoldsEverySystemInCharacterOrderWithTheFirstChosen) {
    const SystemList list;
    ASSERT_EQ(list.size(), kSystemCount);
    EXPECT_TRUE(std::is_sorted(list.entries().begin(), list.entries().end()));
    EXPECT_EQ(list.chosenPosition(), 0);
    // The first entry is the description that sorts first (a fixed-number system, whose text starts
    // with a blank and a parenthesis), not system 1.
    std::string smallest = DescribeSystem(1);
    for (int i = 2; i <= kSystemCount; ++i)
        smallest = std::min(smallest, DescribeSystem(i));
    EXPECT_EQ(list.entries().front().substr(0, smallest.size()), smallest);
    EXPECT_NE(CurrentSystemIndex(list), 1);
    for (int i = 1; i <= kSystemCount; ++i)
        EXPECT_EQ(
            SystemIndexOfEntry(list.entries()[static_cast<std::size_t>(list.positionOfSystem(i))]),
            i);
}

TEST(SystemList, EntryIsDescriptionHundredBlanksAndIndex) {
    const std::string entry = SystemListEntry(5);
    EXPECT_EQ(entry, DescribeSystem(5) + std::string(100, ' ') + "5");
    EXPECT_EQ(entry.substr(entry.size() - 3), "  5");
    EXPECT_EQ(SystemIndexOfEntry(entry), 5);
    EXPECT_EQ(SystemIndexOfEntry(SystemListEntry(12)), 12);
    EXPECT_EQ(SystemIndexOfEntry(SystemListEntry(71)), 71);
}

TEST(SystemList, ShownPartOfAnEntryIsItsDescriptionAlone) {
    for (int i = 1; i <= kSystemCount; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(EntryDescription(SystemListEntry(i)), DescribeSystem(i));
    }
    // Only an index as the list reads it back is hidden; other texts are shown whole.
    const std::pair<const char*, const char*> texts[] = {
        {"boards", "boards"}, {"x 1a", "x 1a"}, {"in  15", "in"}, {"abc12", "abc12"}, {"", ""},
    };
    for (const auto& [entry, shown] : texts)
        EXPECT_EQ(EntryDescription(entry), shown) << entry;
}

TEST(SystemList, ChosenEntryMapsBackToItsOwnIndex) {
    SystemList list;
    // Two systems that differ only in their guarantee are both listed and told apart.
    for (int index : {38, 53, 5, 71}) {
        SCOPED_TRACE(index);
        list.choose(list.positionOfSystem(index));
        EXPECT_EQ(CurrentSystemIndex(list), index);
    }
    EXPECT_NE(list.positionOfSystem(38), list.positionOfSystem(53));
}

TEST(SystemList, NothingChosenOrNoNumberGivesMinusOne) {
    SystemList list;
    list.choose(-1);
    EXPECT_EQ(CurrentSystemIndex(list), -1);
    list.choose(list.size()); // outside the list: nothing chosen
    EXPECT_EQ(list.chosenPosition(), -1);
    EXPECT_EQ(CurrentSystemIndex(list), -1);
    EXPECT_EQ(SystemIndexOfEntry("boards"), -1);
    EXPECT_EQ(SystemIndexOfEntry("x 1a"), -1);
    EXPECT_EQ(SystemIndexOfEntry("   "), -1);
    EXPECT_EQ(SystemIndexOfEntry("7"), -1);
}

} // namespace
} // namespace orvane
