#include "settings/app_settings.h"
#include "support/player_only.h"
#include "support/program_fixture.h"
#include "support/special_files.h"

#include <QAbstractButton>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <sys/stat.h>

namespace orvane::test {
namespace {

namespace fs = std::filesystem;

// The parameters file as the program meets it at start and writes it back on Quit, whatever
// stands at its name.
class ParametersFileAtQuit : public ProgramFixture {
  protected:
    void TearDown() override {
        ::chmod(folder().c_str(), 0700); // so the program folder can be removed
        ProgramFixture::TearDown();
    }

    fs::path parametersPath() const { return folder() + kParametersFileName; }
    static void writeRecord(const fs::path& path, const AppSettings& stored) {
        const SettingsRecord record = EncodeSettings(stored);
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(record.data()),
                   static_cast<std::streamsize>(record.size()));
    }
    static std::vector<std::uint8_t> bytesOf(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    static std::vector<std::uint8_t> recordOf(const AppSettings& settings) {
        const SettingsRecord record = EncodeSettings(settings);
        return {record.begin(), record.end()};
    }
    fs::path playersCopy() const { return playerFolder + kParametersFileName; }
    // A path below a regular file, where nobody, root included, can create anything.
    std::string unusableFolder(const char* name) {
        std::ofstream(folder() + "plain") << "x";
        return folder() + "plain/" + name + "/";
    }
    // Starts the program again as a player would the next time, from a blank settings record.
    void restart(const std::string& programFolder = {}) {
        program.reset();
        prompts.shown.clear();
        session.settings = AppSettings{};
        startProgram(programFolder);
    }
    void quit() {
        main().show();
        main().findChild<QAbstractButton*>(QStringLiteral("bquitter"))->click();
        EXPECT_FALSE(main().isVisible()) << "Quit closes the program whatever became of the file";
    }
};

using ParametersFileAtQuitAsPlayer = ParametersFileAtQuit;

TEST_F(ParametersFileAtQuit, AWritableProgramFolderKeepsTheFileAndThePlayersFolderStaysAsItWas) {
    fs::create_directories(playerFolder); // empty, as a desktop may have made it
    startProgram();
    session.settings.verticalOffset = -4;
    quit();

    EXPECT_TRUE(prompts.shown.empty());
    EXPECT_EQ(bytesOf(parametersPath()), recordOf({0, kLanguageEnglish, 0, -4, 1}));
    EXPECT_TRUE(fs::is_empty(playerFolder));

    // Without a folder of its own beforehand, none is made.
    fs::remove(playerFolder);
    restart();
    quit();
    EXPECT_FALSE(fs::exists(playerFolder));
}

// Root writes anywhere permission bits allow nobody to, so these program folders are ones nothing
// can be written into: a path through a regular file, or something that is no file in its place.
TEST_F(ParametersFileAtQuit, AProgramFolderThatCannotTakeTheFileSendsItToThePlayersFolder) {
    struct Case {
        const char* what;
        std::function<std::string(const fs::path&)> makeProgramFolder; // given the test's folder
        AppSettings saved; // a file that is there but cannot be read gives no defaults
    };
    const Case cases[] = {
        {"the program folder is below a regular file",
         [](const fs::path& dir) {
             std::ofstream(dir / "program") << "x";
             return (dir / "program/lib/orvane/").string();
         },
         {0, kLanguageEnglish, 7, 0, 1}},
        {"a folder stands at the file's name",
         [](const fs::path& dir) {
             fs::create_directories(dir / "folder-at-name" / kParametersFileName);
             return (dir / "folder-at-name/").string();
         },
         {0, kLanguageEnglish, 7, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(playerFolder);
        const std::string programFolder = c.makeProgramFolder(folder());
        restart(programFolder);
        session.settings.horizontalOffset = 7;
        quit();

        EXPECT_TRUE(prompts.shown.empty()) << "the settings were kept: nothing to report";
        EXPECT_EQ(bytesOf(playersCopy()), recordOf(c.saved));
        EXPECT_EQ(fs::status(playerFolder).permissions(), fs::perms::owner_all)
            << "a configuration folder is its owner's alone";

        restart(programFolder);
        EXPECT_EQ(session.settings, c.saved) << "the next start reads the player's copy";
    }
}

TEST_F(ParametersFileAtQuit, ThePlayersCopyOnceThereIsReadAndWrittenBeforeTheProgramFolders) {
    writeRecord(parametersPath(), {1, 1, 1, 1, 1});
    fs::create_directories(playerFolder);
    writeRecord(playersCopy(), {5, 1, -3, 2, 2});

    startProgram();
    EXPECT_EQ(session.settings, (AppSettings{5, kLanguageEnglish, -3, 2, 2}));
    session.settings.horizontalOffset = 8;
    quit();

    EXPECT_TRUE(prompts.shown.empty());
    // The program folder's file would be written in vain: the next start reads the player's copy.
    EXPECT_EQ(bytesOf(playersCopy()), recordOf({5, kLanguageEnglish, 8, 2, 2}));
    EXPECT_EQ(bytesOf(parametersPath()), recordOf({1, 1, 1, 1, 1}));
    restart();
    EXPECT_EQ(session.settings, (AppSettings{5, kLanguageEnglish, 8, 2, 2}));
}

TEST_F(ParametersFileAtQuit, WhenNeitherFolderTakesTheFileQuitWarnsAndWritesNothing) {
    std::ofstream(folder() + "program") << "x";
    const std::string programFolder = folder() + "program/lib/orvane/";
    playerFolder = folder() + "program/config/orvane/";
    startProgram(programFolder);
    session.settings.horizontalOffset = 2;
    quit();

    EXPECT_EQ(prompts.shown, std::vector<Prompt>{SaveFailedPrompt()});
    std::vector<std::string> contents;
    for (const auto& entry : fs::directory_iterator(folder()))
        contents.push_back(entry.path().filename().string());
    EXPECT_EQ(contents, std::vector<std::string>{"program"});
    EXPECT_EQ(fs::file_size(folder() + "program"), 1u);
}

TEST_F(ParametersFileAtQuit, AFifoOrADeviceInItsPlaceNeitherHoldsUpTheStartNorIsReplaced) {
    playerFolder = unusableFolder("orvane"); // so the special file is all Quit could write
    for (const SpecialFile& c : SpecialFiles()) {
        SCOPED_TRACE(c.what);
        fs::remove(parametersPath());
        c.make(parametersPath());
        prompts.shown.clear();
        session.settings = AppSettings{};

        startProgram();
        // Read as a file that cannot be read: no defaults, only the language start-up sets.
        EXPECT_EQ(session.settings, (AppSettings{0, kLanguageEnglish, 0, 0, 0}));

        session.settings.horizontalOffset = 4;
        quit();
        EXPECT_EQ(prompts.shown, std::vector<Prompt>{SaveFailedPrompt()});
        EXPECT_TRUE(c.stillThere(parametersPath()));
        program.reset();
    }
}

TEST_F(ParametersFileAtQuit, ALinkIsReadAndWrittenThroughToTheFileItNames) {
    fs::create_directory(folder() + "kept-elsewhere");
    const fs::path target = folder() + "kept-elsewhere/orvane.par";
    writeRecord(target, {5, 1, -2, 3, 1});
    ::chmod(target.c_str(), 0664);
    fs::create_symlink("kept-elsewhere/orvane.par", parametersPath());

    startProgram();
    EXPECT_EQ(session.settings, (AppSettings{5, kLanguageEnglish, -2, 3, 1}));
    session.settings.verticalOffset = 9;
    quit();

    EXPECT_TRUE(prompts.shown.empty());
    std::error_code notALink;
    EXPECT_EQ(fs::read_symlink(parametersPath(), notALink), "kept-elsewhere/orvane.par");
    EXPECT_EQ(bytesOf(target), recordOf({5, kLanguageEnglish, -2, 9, 1}));
    EXPECT_EQ(fs::status(target).permissions(), static_cast<fs::perms>(0664));
}

TEST_F(ParametersFileAtQuitAsPlayer, QuitWritesTheFileWhereThePlayerMayWriteItAndStartReadsItBack) {
    ORVANE_SKIP_AS_ROOT();
    enum class Kept { InProgramFolder, InPlayersFolder, Nowhere };
    struct Case {
        const char* what;
        mode_t fileMode; // 0: no file
        mode_t folderMode;
        mode_t playerHomeMode; // of the folder the player's configuration folder goes in
        Kept kept;
    };
    const Case cases[] = {
        {"read-only file in a writable folder", 0444, 0700, 0700, Kept::InPlayersFolder},
        {"writable file in a read-only folder", 0644, 0500, 0700, Kept::InProgramFolder},
        {"read-only file in a read-only folder", 0444, 0500, 0700, Kept::InPlayersFolder},
        {"no file in a read-only folder", 0, 0500, 0700, Kept::InPlayersFolder},
        {"no file in a writable folder", 0, 0700, 0500, Kept::InProgramFolder},
        {"read-only file, player's home read-only", 0444, 0700, 0500, Kept::Nowhere},
        {"no file in a read-only folder, player's home read-only", 0, 0500, 0500, Kept::Nowhere},
    };
    const AppSettings stored{7, 1, 2, 3, 1};
    const fs::path playerHome = fs::path(playerFolder).parent_path().parent_path();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ::chmod(folder().c_str(), 0700);
        ::chmod(playerHome.c_str(), 0700);
        fs::remove(parametersPath());
        fs::remove_all(playerFolder);
        if (c.fileMode != 0) {
            writeRecord(parametersPath(), stored);
            ::chmod(parametersPath().c_str(), c.fileMode);
        }
        ::chmod(folder().c_str(), c.folderMode);
        ::chmod(playerHome.c_str(), c.playerHomeMode);

        restart();
        session.settings.horizontalOffset = -6;
        quit();

        const AppSettings read = c.fileMode != 0 ? stored : AppSettings{0, 1, 0, 0, 1};
        const AppSettings saved{read.reserved, kLanguageEnglish, -6, read.verticalOffset,
                                read.gridStyle};
        if (c.kept == Kept::Nowhere)
            EXPECT_EQ(prompts.shown, std::vector<Prompt>{SaveFailedPrompt()});
        else
            EXPECT_TRUE(prompts.shown.empty());
        if (c.fileMode != 0) {
            EXPECT_EQ(bytesOf(parametersPath()),
                      recordOf(c.kept == Kept::InProgramFolder ? saved : stored));
            EXPECT_EQ(fs::status(parametersPath()).permissions(),
                      static_cast<fs::perms>(c.fileMode));
        }
        EXPECT_EQ(fs::exists(playersCopy()), c.kept == Kept::InPlayersFolder);
        if (c.kept == Kept::InPlayersFolder) {
            EXPECT_EQ(bytesOf(playersCopy()), recordOf(saved));
        }
        std::vector<std::string> contents;
        for (const auto& entry : fs::directory_iterator(folder()))
            contents.push_back(entry.path().filename().string());
        const bool fileInProgramFolder = c.fileMode != 0 || c.kept == Kept::InProgramFolder;
        EXPECT_EQ(contents, fileInProgramFolder ? std::vector<std::string>{kParametersFileName}
                                                : std::vector<std::string>{})
            << "no temporary left";

        restart();
        const AppSettings readAgain{read.reserved, kLanguageEnglish, read.horizontalOffset,
                                    read.verticalOffset, read.gridStyle};
        EXPECT_EQ(session.settings, c.kept == Kept::Nowhere ? readAgain : saved)
            << "what the next start reads";
    }
    ::chmod(playerHome.c_str(), 0700);
}

} // namespace
} // namespace orvane::test
