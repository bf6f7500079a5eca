// A game saved with a player's wheel carries the wheel after its record: a reader of the record
// alone reads it as before, another machine's player gets the wheel on loading it, and a damaged
// wheel loads nothing.
#include "gamefiles/game_file_wheel.h"

#include "app/session.h"
#include "gamefiles/game_file_flows.h"
#include "gamefiles/game_file_test_support.h"
#include "playerdata/player_database.h"
#include "support/sample_wheels.h"
#include "tests/doubles/scripted_chooser.h"
#include "tests/doubles/scripted_prompts.h"

#include <gtest/gtest.h>

namespace orvane::test {
namespace {

PlayerWheel Wheel(const WheelDesign& design, const std::string& name) {
    return {kFirstPlayerWheelIndex, name,           design.numberCount,
            design.fixedCount,      design.promise, design.boards};
}

TEST(CarriedWheel, ReadsBackAsItWasWrittenAndIsDamagedOnceAnyByteIsWrong) {
    const PlayerWheel wheel = Wheel(EightForFourIfFive(), "Huit \u00E0 moi");
    const std::vector<std::uint8_t> bytes = EncodeCarriedWheel(wheel);
    EXPECT_EQ(bytes.size(), 4 + 6 + 5 * 9 + 1 + 11 + 4u);
    const CarriedWheel read = DecodeCarriedWheel(bytes);
    ASSERT_EQ(read.kind, CarriedWheel::Kind::Wheel);
    EXPECT_EQ(read.name, wheel.name);
    EXPECT_EQ(read.design, EightForFourIfFive());

    EXPECT_EQ(DecodeCarriedWheel({}).kind, CarriedWheel::Kind::None) << "a record alone";
    const std::vector<std::uint8_t> other = {'x', 'y', 'z', 0, 1, 2};
    EXPECT_EQ(DecodeCarriedWheel(other).kind, CarriedWheel::Kind::None)
        << "bytes that are no carried wheel are left alone, as ever";

    for (std::size_t cut = 4; cut < bytes.size(); cut += 7) {
        SCOPED_TRACE(cut);
        EXPECT_EQ(DecodeCarriedWheel(std::span(bytes).first(cut)).kind,
                  CarriedWheel::Kind::Damaged);
    }
    for (std::size_t at = 4; at < bytes.size(); at += 5) {
        SCOPED_TRACE(at);
        std::vector<std::uint8_t> flipped = bytes;
        flipped[at] ^= 0x10;
        EXPECT_EQ(DecodeCarriedWheel(flipped).kind, CarriedWheel::Kind::Damaged);
    }
    std::vector<std::uint8_t> longer = bytes;
    longer.push_back(0);
    EXPECT_EQ(DecodeCarriedWheel(longer).kind, CarriedWheel::Kind::Damaged);
    // Well summed, but no wheel: a position past the numbers.
    PlayerWheel wrong = wheel;
    wrong.boards[0][4] = 9;
    EXPECT_EQ(DecodeCarriedWheel(EncodeCarriedWheel(wrong)).kind, CarriedWheel::Kind::Damaged);
}

class GameFileWithAWheel : public ::testing::Test {
  protected:
    void pick(const std::string& name) {
        chooser.answerChosen = true;
        chooser.answerFolder = folder.path();
        chooser.answerName = name;
        chooser.answerUntouched = false;
    }
    // A selection for the wheel: eight numbers, one Thunderball.
    static SelectionGrid EightMarked() {
        SelectionGrid grid;
        for (const int c : {2, 7, 11, 19, 23, 30, 34, 38})
            grid.setState(c, kSelected);
        grid.setState(ThunderballCell(4), kSelected);
        return grid;
    }

    TempFolder folder;
    ScriptedChooser chooser;
    ScriptedPrompts prompts;
};

TEST_F(GameFileWithAWheel, TravelsToAMachineThatNeverSawItAndReadsAsARecordElsewhere) {
    // This machine: the wheel kept and chosen, the game saved.
    PlayerDatabase here(folder.path() + "/here/");
    PlayerWheelStore ours(here);
    const int index = ours.keep("Eight, four if five", EightForFourIfFive()).index;
    ASSERT_TRUE(IsPlayerWheelIndex(index));
    Session saving;
    saving.systemList.refreshPlayerWheels();
    saving.systemList.choose(saving.systemList.positionOfSystem(index));
    saving.grid = EightMarked();
    pick("with-wheel");
    SaveGame(saving.gameRecord, saving.grid, saving.systemList, chooser, prompts);
    ASSERT_TRUE(prompts.shown.empty());
    const Bytes saved = ReadBytes(folder.file("with-wheel"));
    EXPECT_EQ(saved.size(),
              kGameRecordSize + EncodeCarriedWheel(*ShelvedPlayerWheel(index)).size());

    // A reader of the record alone.
    const std::optional<GameRecord> record = ReadGameRecord(folder.file("with-wheel"));
    ASSERT_TRUE(record);
    EXPECT_TRUE(std::equal(record->begin(), record->end(), saved.begin()));
    GameRecordBuffer buffer;
    buffer.replace(*record);
    EXPECT_EQ(buffer.systemPosition(), saving.systemList.chosenPosition());

    // Another machine, whose player has no wheel yet: the wheel is kept there and chosen.
    UnlistPlayerWheel(index);
    PlayerDatabase there(folder.path() + "/there/");
    PlayerWheelStore theirs(there);
    Session loading;
    ASSERT_TRUE(
        LoadGame(loading.gameRecord, loading.grid, loading.systemList, chooser, prompts, &theirs));
    EXPECT_TRUE(prompts.shown.empty());
    EXPECT_EQ(loading.grid, EightMarked());
    const int chosen = CurrentSystemIndex(loading.systemList);
    ASSERT_TRUE(IsPlayerWheelIndex(chosen));
    EXPECT_EQ(ShelvedPlayerWheel(chosen)->boards, EightForFourIfFive().boards);
    EXPECT_EQ(ShelvedPlayerWheel(chosen)->name, "Eight, four if five");
    EXPECT_TRUE(SelectionCheck(loading.grid, loading.systemList, ThunderballRule::ExactlyOne));

    // Loaded again: the wheel kept there already, not a second copy.
    ASSERT_TRUE(
        LoadGame(loading.gameRecord, loading.grid, loading.systemList, chooser, prompts, &theirs));
    EXPECT_EQ(CurrentSystemIndex(loading.systemList), chosen);
    EXPECT_EQ(ListedPlayerWheels(), std::vector<int>{chosen});
    UnlistPlayerWheel(chosen);
}

TEST_F(GameFileWithAWheel, ADamagedWheelLoadsNothingAndSaysSo) {
    PlayerDatabase here(folder.path() + "/here/");
    PlayerWheelStore wheels(here);
    GameRecordBuffer record;
    record.fill(3, EightMarked());
    std::vector<std::uint8_t> tail = EncodeCarriedWheel(Wheel(EightForFourIfFive(), "x"));
    tail[12] ^= 0xFF;
    ASSERT_TRUE(WriteGameFile(folder.file("damaged"), record.bytes(), tail));
    pick("damaged");
    Session session;
    session.systemList.choose(10);
    EXPECT_FALSE(
        LoadGame(session.gameRecord, session.grid, session.systemList, chooser, prompts, &wheels));
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text,
              "La roue jointe \u00E0 ce fichier est endommag\u00E9e : rien n'a \u00E9t\u00E9 "
              "charg\u00E9");
    EXPECT_EQ(prompts.shown[0].caption, "Probl\u00E8me !!");
    EXPECT_EQ(session.grid, SelectionGrid{});
    EXPECT_EQ(session.systemList.chosenPosition(), 10);
    EXPECT_TRUE(ListedPlayerWheels().empty());
}

} // namespace
} // namespace orvane::test
