#include "gamefiles/game_file_flows.h"

#include "app/session.h"
#include "gamefiles/game_file_test_support.h"
#include "tests/doubles/scripted_chooser.h"
#include "tests/doubles/scripted_prompts.h"

#include <gtest/gtest.h>

namespace orvane::test {
namespace {

Prompt Problem(const char* text) {
    return {text, "Problème !!", PromptIcon::None, PromptButtons::Ok, false};
}

const Prompt kOverwriteQuestion{"Continuer quand même ?", "Fichier existant !!", PromptIcon::None,
                                PromptButtons::YesNo, false};

class GameFileFlows : public ::testing::Test {
  protected:
    void pick(const std::string& name) {
        chooser.answerChosen = true;
        chooser.answerFolder = folder.path();
        chooser.answerName = name;
        chooser.answerUntouched = false;
    }
    // The selection of the example, with the third list entry chosen.
    void markExample() {
        session.grid = ExampleGrid();
        session.systemList.choose(2);
    }
    // Something other than the example, to see that a load replaces it or leaves it alone.
    void markOther() {
        session.grid = SelectionGrid{};
        session.grid.setState(1, kFixed);
        session.grid.setState(65, kSelected);
        session.systemList.choose(10);
    }
    void expectOtherUntouched() {
        SelectionGrid other;
        other.setState(1, kFixed);
        other.setState(65, kSelected);
        EXPECT_EQ(session.grid, other);
        EXPECT_EQ(session.systemList.chosenPosition(), 10);
    }

    TempFolder folder;
    Session session;
    ScriptedChooser chooser;
    ScriptedPrompts prompts;
};

TEST_F(GameFileFlows, SavesTheExampleByteForByteAndLoadsItBack) {
    markExample();
    pick("example");
    SaveGame(session.gameRecord, session.grid, session.systemList, chooser, prompts);

    EXPECT_TRUE(prompts.shown.empty());
    const Bytes saved = ReadBytes(folder.file("example"));
    EXPECT_EQ(saved, Record(ExampleGrid(), 2));

    Session later;
    later.systemList.choose(0);
    EXPECT_TRUE(LoadGame(later.gameRecord, later.grid, later.systemList, chooser, prompts));
    EXPECT_EQ(later.grid, ExampleGrid());
    EXPECT_EQ(later.systemList.chosenPosition(), 2);
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(GameFileFlows, PreparesTheChooserForEachOperation) {
    chooser.answerChosen = false;
    SaveGame(session.gameRecord, session.grid, session.systemList, chooser, prompts);
    EXPECT_EQ(chooser.caption, "Save file");
    EXPECT_FALSE(chooser.readOnly);
    EXPECT_EQ(chooser.preparedName, "*");

    chooser.preparedName.clear();
    LoadGame(session.gameRecord, session.grid, session.systemList, chooser, prompts);
    EXPECT_EQ(chooser.caption, "Select the file to load");
    EXPECT_TRUE(chooser.readOnly);
    EXPECT_EQ(chooser.preparedName, "*");
    EXPECT_EQ(chooser.showings, 2);
}

TEST_F(GameFileFlows, ACancelledChooserDoesNothing) {
    WriteBytes(folder.file("game"), Record(ExampleGrid(), 2));
    markOther();
    pick("game");
    chooser.answerChosen = false;

    SaveGame(session.gameRecord, session.grid, session.systemList, chooser, prompts);
    EXPECT_EQ(ReadBytes(folder.file("game")), Record(ExampleGrid(), 2));
    EXPECT_FALSE(LoadGame(session.gameRecord, session.grid, session.systemList, chooser, prompts));
    expectOtherUntouched();
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(GameFileFlows, RefusesFilesItCannotLoadAndKeepsTheSelection) {
    struct Case {
        const char* what;
        Bytes bytes; // empty: no file at all
        Prompt message;
    };
    Bytes wrongLength = Record(ExampleGrid(), 2);
    wrongLength[0] = 4;
    Bytes wrongLetters = Record(ExampleGrid(), 2);
    wrongLetters[3] = 'X';
    Bytes shortFile = Record(ExampleGrid(), 2);
    shortFile.pop_back();
    const Case cases[] = {
        {"missing file", {}, Problem("Fichier inexistant")},
        {"one byte short", shortFile, Problem("Erreur à la lecture du fichier")},
        {"first byte not 3", wrongLength, Problem("Ce n'est pas un fichier grille")},
        {"not GRI", wrongLetters, Problem("Ce n'est pas un fichier grille")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove(folder.file("game"));
        if (!c.bytes.empty())
            WriteBytes(folder.file("game"), c.bytes);
        markOther();
        pick("game");
        prompts.shown.clear();

        EXPECT_FALSE(
            LoadGame(session.gameRecord, session.grid, session.systemList, chooser, prompts));
        EXPECT_EQ(prompts.shown, std::vector<Prompt>{c.message});
        expectOtherUntouched();
    }
}

TEST_F(GameFileFlows, LoadsFromLongAndReadOnlyFiles) {
    SelectionGrid stored = ExampleGrid();
    stored.setState(70, kFixed);
    Bytes longFile = Record(stored, 4);
    longFile.insert(longFile.end(), {'m', 'o', 'r', 'e'});
    WriteBytes(folder.file("long"), longFile);
    WriteBytes(folder.file("read-only"), Record(stored, 5));
    const ReadOnlyFile readOnly(folder.file("read-only"));

    for (const auto& [name, position] : {std::pair{"long", 4}, std::pair{"read-only", 5}}) {
        SCOPED_TRACE(name);
        markOther();
        pick(name);
        EXPECT_TRUE(
            LoadGame(session.gameRecord, session.grid, session.systemList, chooser, prompts));
        EXPECT_EQ(session.grid, stored);
        EXPECT_EQ(session.systemList.chosenPosition(), position);
    }
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(GameFileFlows, KeepsTheChosenSystemWhenTheStoredPositionIsNotInTheList) {
    const int last = session.systemList.size() - 1;
    const struct {
        int stored;
        int chosenAfter;
    } cases[] = {{-1, 10}, {-2, 10}, {0, 0}, {last, last}, {last + 1, 10}, {100000, 10}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        WriteBytes(folder.file("game"), Record(ExampleGrid(), c.stored));
        markOther();
        pick("game");

        EXPECT_TRUE(
            LoadGame(session.gameRecord, session.grid, session.systemList, chooser, prompts));
        EXPECT_EQ(session.systemList.chosenPosition(), c.chosenAfter);
        EXPECT_EQ(session.grid, ExampleGrid()) << "the cells load whatever the position";
    }
}

TEST_F(GameFileFlows, AsksBeforeReplacingAFileAndKeepsItOnNo) {
    const Bytes old = Record(SelectionGrid{}, 7, 0x55);
    WriteBytes(folder.file("game"), old);
    markExample();
    pick("game");

    prompts.answers = {PromptAnswer::No};
    SaveGame(session.gameRecord, session.grid, session.systemList, chooser, prompts);
    EXPECT_EQ(prompts.shown, std::vector<Prompt>{kOverwriteQuestion});
    EXPECT_EQ(ReadBytes(folder.file("game")), old);

    prompts.shown.clear();
    prompts.answers = {PromptAnswer::Yes};
    SaveGame(session.gameRecord, session.grid, session.systemList, chooser, prompts);
    EXPECT_EQ(prompts.shown, std::vector<Prompt>{kOverwriteQuestion});
    EXPECT_EQ(ReadBytes(folder.file("game")), Record(ExampleGrid(), 2));
}

TEST_F(GameFileFlows, AFailedSaveSaysSoAndLeavesWhatWasThere) {
    markExample();

    // A folder stands where the file would go: no question, the folder and its file survive.
    std::filesystem::create_directory(folder.file("taken"));
    WriteBytes(folder.file("taken/inside"), {1, 2, 3});
    pick("taken");
    SaveGame(session.gameRecord, session.grid, session.systemList, chooser, prompts);
    EXPECT_EQ(prompts.shown, std::vector<Prompt>{SaveFailedPrompt()});
    EXPECT_EQ(ReadBytes(folder.file("taken/inside")), (Bytes{1, 2, 3}));

    // The chosen folder is a regular file.
    WriteBytes(folder.file("plain"), {9});
    prompts.shown.clear();
    chooser.answerFolder = folder.file("plain");
    chooser.answerName = "game";
    SaveGame(session.gameRecord, session.grid, session.systemList, chooser, prompts);
    EXPECT_EQ(prompts.shown, std::vector<Prompt>{SaveFailedPrompt()});
    EXPECT_EQ(ReadBytes(folder.file("plain")), Bytes{9});

    // The disk fills half-way through replacing an existing file.
    const Bytes old = Record(SelectionGrid{}, 7);
    WriteBytes(folder.file("game"), old);
    pick("game");
    prompts.shown.clear();
    {
        const FileSizeLimit limit(100);
        SaveGame(session.gameRecord, session.grid, session.systemList, chooser, prompts);
    }
    EXPECT_EQ(prompts.shown, (std::vector<Prompt>{kOverwriteQuestion, SaveFailedPrompt()}));
    EXPECT_EQ(ReadBytes(folder.file("game")), old);

    EXPECT_EQ(FolderContents(folder.path()), (std::vector<std::string>{"game", "plain", "taken"}))
        << "no temporary file left behind";
    EXPECT_TRUE(SaveFailedPrompt().beepFirst);
}

TEST_F(GameFileFlows, RefusesTheUntouchedMaskAndWhatIsNoFileName) {
    std::filesystem::create_directory(folder.file("sub"));
    WriteBytes(folder.file("sub/game"), Record(ExampleGrid(), 2));
    const std::vector<std::string> before = FolderContents(folder.path());
    markOther();

    for (const char* name : {"*", "", "sub/game", ".", ".."}) {
        SCOPED_TRACE(name);
        pick(name);
        chooser.answerUntouched = true;
        prompts.shown.clear();
        SaveGame(session.gameRecord, session.grid, session.systemList, chooser, prompts);
        EXPECT_EQ(prompts.shown, std::vector<Prompt>{SaveFailedPrompt()});
        EXPECT_EQ(FolderContents(folder.path()), before);
        EXPECT_EQ(ReadBytes(folder.file("sub/game")), Record(ExampleGrid(), 2));

        prompts.shown.clear();
        EXPECT_FALSE(
            LoadGame(session.gameRecord, session.grid, session.systemList, chooser, prompts));
        EXPECT_EQ(prompts.shown, std::vector<Prompt>{Problem("Fichier inexistant")});
        expectOtherUntouched();
    }
}

TEST_F(GameFileFlows, TakesWildcardCharactersAsPartOfTheName) {
    // Files a pattern would match are no business of a name that merely looks like one.
    const Bytes decoy = Record(SelectionGrid{}, 7);
    const std::vector<std::string> decoys = {"game", "game1", "gxme", "same"};
    for (const std::string& name : decoys)
        WriteBytes(folder.file(name), decoy);

    for (const char* name : {"*", "game*", "g?me", "[gs]ame", "game[1]", "*?[]"}) {
        SCOPED_TRACE(name);
        markExample();
        pick(name); // typed by the player, "*" included
        prompts.shown.clear();
        SaveGame(session.gameRecord, session.grid, session.systemList, chooser, prompts);
        EXPECT_TRUE(prompts.shown.empty());
        EXPECT_EQ(ReadBytes(folder.file(name)), Record(ExampleGrid(), 2));

        markOther();
        EXPECT_TRUE(
            LoadGame(session.gameRecord, session.grid, session.systemList, chooser, prompts));
        EXPECT_EQ(session.grid, ExampleGrid());
        EXPECT_EQ(session.systemList.chosenPosition(), 2);
        EXPECT_TRUE(prompts.shown.empty());
    }
    for (const std::string& name : decoys)
        EXPECT_EQ(ReadBytes(folder.file(name)), decoy) << name;

    // The untouched mask loads a file of that name, there being one.
    pick("*");
    chooser.answerUntouched = true;
    markOther();
    EXPECT_TRUE(LoadGame(session.gameRecord, session.grid, session.systemList, chooser, prompts));
    EXPECT_EQ(session.grid, ExampleGrid());
}

TEST_F(GameFileFlows, AFifoOrADeviceIsNeitherReadNorReplaced) {
    ASSERT_EQ(::mkfifo(folder.file("fifo").c_str(), 0644), 0);
    std::filesystem::create_symlink("/dev/zero", folder.file("device"));
    for (const char* name : {"fifo", "device"}) {
        SCOPED_TRACE(name);
        markOther();
        pick(name);
        prompts.shown.clear();
        EXPECT_FALSE(
            LoadGame(session.gameRecord, session.grid, session.systemList, chooser, prompts));
        EXPECT_EQ(prompts.shown, std::vector<Prompt>{Problem("Erreur à la lecture du fichier")});
        expectOtherUntouched();

        prompts.shown.clear();
        SaveGame(session.gameRecord, session.grid, session.systemList, chooser, prompts);
        EXPECT_EQ(prompts.shown, (std::vector<Prompt>{kOverwriteQuestion, SaveFailedPrompt()}));
    }
    EXPECT_TRUE(std::filesystem::is_fifo(std::filesystem::symlink_status(folder.file("fifo"))));
    std::error_code notALink;
    EXPECT_EQ(std::filesystem::read_symlink(folder.file("device"), notALink), "/dev/zero");
    EXPECT_EQ(FolderContents(folder.path()), (std::vector<std::string>{"device", "fifo"}));
}

TEST_F(GameFileFlows, CarriesTheReservedBytesOfTheLastLoadIntoLaterSaves) {
    markExample();
    pick("before-any-load");
    SaveGame(session.gameRecord, session.grid, session.systemList, chooser, prompts);
    EXPECT_EQ(Int32At(ReadBytes(folder.file("before-any-load")), 288), 0);

    WriteBytes(folder.file("with-reserved"), Record(SelectionGrid{}, 1, 0xCAFEF00D));
    pick("with-reserved");
    ASSERT_TRUE(LoadGame(session.gameRecord, session.grid, session.systemList, chooser, prompts));
    markExample();
    pick("after-load");
    SaveGame(session.gameRecord, session.grid, session.systemList, chooser, prompts);

    const Bytes saved = ReadBytes(folder.file("after-load"));
    const Bytes example = Record(ExampleGrid(), 2);
    EXPECT_EQ(Bytes(saved.begin(), saved.begin() + 288),
              Bytes(example.begin(), example.begin() + 288));
    EXPECT_EQ(static_cast<std::uint32_t>(Int32At(saved, 288)), 0xCAFEF00Du);
}

} // namespace
} // namespace orvane::test

namespace orvane::test {
namespace {

// A file named without the chooser (the command line, a drop, the recent games) meets the rules
// and messages of Load game.
TEST_F(GameFileFlows, AFileNamedWithoutTheChooserIsLoadedByTheSameRules) {
    WriteBytes(folder.file("good"), Record(ExampleGrid(), 2));
    Bytes shortRecord = Record(ExampleGrid(), 2);
    shortRecord.pop_back();
    WriteBytes(folder.file("short"), shortRecord);
    Bytes other = Record(ExampleGrid(), 2);
    other[1] = 'X';
    WriteBytes(folder.file("other"), other);
    struct Case {
        const char* name;
        const char* message; // none: loaded
    };
    const Case cases[] = {
        {"missing", "Fichier inexistant"},
        {"", "Fichier inexistant"}, // the folder itself
        {"short", "Erreur à la lecture du fichier"},
        {"other", "Ce n'est pas un fichier grille"},
        {"good", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        markOther();
        prompts.shown.clear();
        const bool loaded = LoadGameFile(session.gameRecord, session.grid, session.systemList,
                                         folder.file(c.name), prompts);
        EXPECT_EQ(loaded, c.message == nullptr);
        if (c.message) {
            EXPECT_EQ(prompts.shown, std::vector<Prompt>{Problem(c.message)});
            expectOtherUntouched();
        } else {
            EXPECT_TRUE(prompts.shown.empty());
            EXPECT_EQ(session.grid, ExampleGrid());
            EXPECT_EQ(session.systemList.chosenPosition(), 2);
        }
    }
}

} // namespace
} // namespace orvane::test
