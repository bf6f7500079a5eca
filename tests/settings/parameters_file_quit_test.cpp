#include "settings/app_settings.h"
#include "support/player_only.h"
#include "support/program_fixture.h"
#include "support/special_files.h"

#include <QAbstractButton>
#include <filesystem>
#include <fstream>
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
    void quit() {
        main().show();
        main().findChild<QAbstractButton*>(QStringLiteral("bquitter"))->click();
        EXPECT_FALSE(main().isVisible()) << "Quit closes the program whatever became of the file";
    }
};

using ParametersFileAtQuitAsPlayer = ParametersFileAtQuit;

TEST_F(ParametersFileAtQuit, AFifoOrADeviceInItsPlaceNeitherHoldsUpTheStartNorIsReplaced) {
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

TEST_F(ParametersFileAtQuitAsPlayer, QuitWritesTheFileOnlyWhereThePlayerMayWriteIt) {
    ORVANE_SKIP_AS_ROOT();
    struct Case {
        const char* what;
        mode_t fileMode; // 0: no file
        mode_t folderMode;
        bool written;
    };
    const Case cases[] = {
        {"read-only file in a writable folder", 0444, 0700, false},
        {"writable file in a read-only folder", 0644, 0500, true},
        {"read-only file in a read-only folder", 0444, 0500, false},
        {"no file in a read-only folder", 0, 0500, false},
    };
    const AppSettings stored{7, 1, 2, 3, 1};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ::chmod(folder().c_str(), 0700);
        fs::remove(parametersPath());
        if (c.fileMode != 0) {
            writeRecord(parametersPath(), stored);
            ::chmod(parametersPath().c_str(), c.fileMode);
        }
        ::chmod(folder().c_str(), c.folderMode);
        prompts.shown.clear();
        session.settings = AppSettings{};

        startProgram();
        session.settings.horizontalOffset = -6;
        quit();

        if (c.written)
            EXPECT_TRUE(prompts.shown.empty());
        else
            EXPECT_EQ(prompts.shown, std::vector<Prompt>{SaveFailedPrompt()});
        if (c.fileMode != 0) {
            EXPECT_EQ(bytesOf(parametersPath()),
                      c.written ? recordOf({7, kLanguageEnglish, -6, 3, 1}) : recordOf(stored));
            EXPECT_EQ(fs::status(parametersPath()).permissions(),
                      static_cast<fs::perms>(c.fileMode));
        }
        std::vector<std::string> contents;
        for (const auto& entry : fs::directory_iterator(folder()))
            contents.push_back(entry.path().filename().string());
        EXPECT_EQ(contents, c.fileMode != 0 ? std::vector<std::string>{kParametersFileName}
                                            : std::vector<std::string>{})
            << "no temporary left";
        program.reset();
    }
}

} // namespace
} // namespace orvane::test
