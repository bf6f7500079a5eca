// The player's own wheels taken as systems: listed after the catalogue, whose positions never
// move, checked and expanded by the same rules, and kept in the player's database.
#include "wheels/player_wheel_store.h"

#include "playerdata/player_database.h"
#include "support/temp_folder.h"
#include "wheels/board_run.h"
#include "wheels/system_list.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

// Seven numbers, one fixed, "3 if 3": the fixed number and two of the other six on each board,
// every pair of the six on some board.
WheelDesign SevenWithOneFixed() {
    return {7,
            1,
            {3, 3},
            {{1, 2, 3, 4, 5},
             {1, 2, 3, 6, 7},
             {1, 4, 5, 6, 7},
             {1, 2, 4, 6, 7},
             {1, 3, 5, 6, 7},
             {1, 2, 5, 6, 7},
             {1, 3, 4, 6, 7}}};
}

PlayerWheel WheelAt(int index, const WheelDesign& design, const std::string& name) {
    return {index, name, design.numberCount, design.fixedCount, design.promise, design.boards};
}

TEST(PlayerWheels, AreSystemsListedAfterTheCatalogueWhosePositionsNeverMove) {
    const SystemList before;
    ASSERT_TRUE(ShelvePlayerWheel(WheelAt(990, SevenWithOneFixed(), "Seven and one")));
    SystemList list;
    ASSERT_EQ(list.size(), before.size() + 1);
    for (int p = 0; p < before.size(); ++p)
        EXPECT_EQ(list.entries()[static_cast<std::size_t>(p)],
                  before.entries()[static_cast<std::size_t>(p)]);
    const int position = list.positionOfSystem(990);
    EXPECT_GE(position, kSystemCount);
    EXPECT_EQ(EntryDescription(list.entries()[static_cast<std::size_t>(position)]),
              "\u2605 Seven and one: 7 numbers (1 fixe ) in 7 boards :3 if 3 numbers  (including "
              "fixes) on the draw");

    EXPECT_TRUE(IsSystemIndex(990));
    EXPECT_FALSE(IsSystemIndex(991));
    EXPECT_EQ(WheelCatalogue(990).boardCount, 7);
    EXPECT_EQ(WheelCatalogue(990).fixedCount, 1);
    EXPECT_STREQ(WheelCatalogue(990).guarantee, "3 if 3");
    EXPECT_TRUE(HasCompleteTable(990));

    // Checked and expanded as a catalogue system: the fixed number first in the play order.
    list.choose(position);
    SelectionGrid grid;
    for (const int c : {4, 9, 15, 22, 30, 38})
        grid.setState(c, kSelected);
    grid.setState(ThunderballCell(3), kSelected);
    EXPECT_FALSE(SelectionCheck(grid, list, ThunderballRule::ExactlyOne)) << "no fixed number";
    grid.setState(11, kFixed);
    ASSERT_TRUE(SelectionCheck(grid, list, ThunderballRule::ExactlyOne));
    BoardRun run;
    run.RebuildPlayOrder(grid);
    run.StartRun(990);
    EXPECT_EQ(run.boardCount(), 7);
    run.BuildBoard(2, grid);
    std::vector<int> marked;
    for (int c = 1; c <= kMainNumbers; ++c)
        if (run.currentBoard(c) == 1)
            marked.push_back(c);
    EXPECT_EQ(marked, (std::vector<int>{4, 9, 11, 30, 38})) << "positions 1 2 3 6 7";

    // Taken out of the list, its boards stay readable for a window still showing them.
    UnlistPlayerWheel(990);
    list.refreshPlayerWheels();
    EXPECT_EQ(list.positionOfSystem(990), -1);
    EXPECT_EQ(list.chosenPosition(), -1) << "the chosen wheel is gone from the list";
    EXPECT_EQ(CombinationTable(990).size(), 7u);
}

TEST(PlayerWheels, WhatIsNoWheelIsNeverShelved) {
    WheelDesign good = SevenWithOneFixed();
    const auto changed = [&good](auto change) {
        WheelDesign design = good;
        change(design);
        return design;
    };
    const struct {
        const char* what;
        int index;
        WheelDesign design;
    } cases[] = {
        {"an index of the catalogue", 71, good},
        {"an index past three digits", 1000, good},
        {"no board", 980, changed([](WheelDesign& d) { d.boards.clear(); })},
        {"a position past the numbers", 980, changed([](WheelDesign& d) { d.boards[0][4] = 8; })},
        {"positions out of order", 980, changed([](WheelDesign& d) {
             d.boards[0] = {1, 3, 2, 4, 5};
         })},
        {"a board without the fixed number", 980, changed([](WheelDesign& d) {
             d.boards[0] = {2, 3, 4, 5, 6};
         })},
        {"a promise of more than five", 980, changed([](WheelDesign& d) {
             d.promise = {3, 6};
         })},
        {"a promise of one", 980, changed([](WheelDesign& d) {
             d.promise = {1, 3};
         })},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_FALSE(ShelvePlayerWheel(WheelAt(c.index, c.design, "x")));
        EXPECT_EQ(ShelvedPlayerWheel(c.index), nullptr);
    }
}

TEST(PlayerWheelStore, KeepsRenamesAndDeletesWheelsThatAnotherCopyReadsBack) {
    test::TempFolder folder;
    const std::string data = folder.path() + "/data/";
    PlayerDatabase database(data);
    PlayerWheelStore store(database);
    const PlayerWheelStore::Kept first = store.keep("  Mine\nand yours  ", SevenWithOneFixed());
    ASSERT_EQ(first.problem, DatabaseProblem::None);
    ASSERT_TRUE(IsPlayerWheelIndex(first.index));
    EXPECT_EQ(ShelvedPlayerWheel(first.index)->name, "Mine and yours");

    // The same boards again: the wheel kept already. Other boards under the same name: a name of
    // their own.
    EXPECT_EQ(store.keep("Other name", SevenWithOneFixed()).index, first.index);
    WheelDesign other = SevenWithOneFixed();
    other.boards.push_back({1, 2, 3, 4, 6});
    const PlayerWheelStore::Kept second = store.keep("Mine and yours", other);
    ASSERT_NE(second.index, first.index);
    EXPECT_EQ(ShelvedPlayerWheel(second.index)->name, "Mine and yours (2)");

    EXPECT_EQ(store.rename(second.index, "Eight boards"), DatabaseProblem::None);
    EXPECT_EQ(ShelvedPlayerWheel(second.index)->name, "Eight boards");
    EXPECT_EQ(store.remove(first.index), DatabaseProblem::None);
    EXPECT_EQ(ListedPlayerWheels(), std::vector<int>{second.index});

    // Another copy of the program reads what this one kept.
    PlayerDatabase otherCopy(data);
    std::vector<PlayerWheel> read;
    ASSERT_EQ(PlayerWheelStore(otherCopy).shelveKeptWheels(), DatabaseProblem::None);
    const PlayerWheel* kept = ShelvedPlayerWheel(second.index);
    ASSERT_NE(kept, nullptr);
    EXPECT_EQ(kept->name, "Eight boards");
    EXPECT_EQ(kept->boards, other.boards);
    UnlistPlayerWheel(second.index);
}

TEST(PlayerWheelStore, ANameIsOneLineOfFortyCharactersAtMost) {
    EXPECT_EQ(CleanWheelName(""), "My wheel");
    EXPECT_EQ(CleanWheelName(" \t "), "My wheel");
    EXPECT_EQ(CleanWheelName(std::string(50, 'a')), std::string(40, 'a'));
    EXPECT_EQ(CleanWheelName(std::string(39, 'a') + "\u00E9\u00E9"),
              std::string(39, 'a') + "\u00E9")
        << "never half a character";
}

} // namespace
} // namespace orvane
