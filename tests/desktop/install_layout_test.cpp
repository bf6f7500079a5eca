// `cmake --install` of this build, for one player under a home folder whose name holds a space
// and staged with DESTDIR as a packager does: the program in its own folder with a link in bin,
// a desktop entry that starts it, and the icon at every size of the icon theme.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const fs::path BuildFolder = ORVANE_BUILD_FOLDER;
const std::vector<int> IconSizes = {ORVANE_ICON_SIZES};

struct Installation {
    const char* name;
    std::string destdir; // under the test's folder; empty for none
    std::string prefix;  // under the test's folder when relative; as given when absolute
    std::string exec;    // the desktop entry's Exec, with <prefix> standing for the prefix
};

const Installation Installations[] = {
    {"ForOnePlayer", "", "Jean Dupont/.local", "\"<prefix>/" ORVANE_PROGRAM_FOLDER "/orvane\" %f"},
    {"StagedForAPackage", "stage", "/opt/orvane",
     "/opt/orvane/" ORVANE_PROGRAM_FOLDER "/orvane %f"},
};

void PrintTo(const Installation& installation, std::ostream* out) {
    *out << installation.name;
}

std::string shellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (const char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

std::string contentsOf(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void replaceAll(std::string& text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

// The keys of the [Desktop Entry] group.
std::map<std::string, std::string> desktopEntryKeys(const fs::path& file) {
    std::map<std::string, std::string> keys;
    std::istringstream lines(contentsOf(file));
    bool inEntry = false;
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with('['))
            inEntry = line == "[Desktop Entry]";
        else if (const auto equals = line.find('='); inEntry && equals != std::string::npos)
            keys[line.substr(0, equals)] = line.substr(equals + 1);
    }
    return keys;
}

struct PngHeader {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    int colourType = -1;
};

std::optional<PngHeader> pngHeaderOf(const fs::path& file) {
    const std::string bytes = contentsOf(file);
    if (bytes.size() < 26 || bytes.compare(0, 8, "\x89PNG\r\n\x1a\n") != 0 ||
        bytes.compare(12, 4, "IHDR") != 0)
        return std::nullopt;
    const auto bigEndian = [&](std::size_t at) {
        std::uint32_t value = 0;
        for (std::size_t i = 0; i < 4; ++i)
            value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
        return value;
    };
    return PngHeader{bigEndian(16), bigEndian(20), static_cast<unsigned char>(bytes[25])};
}

class InstallLayout : public testing::TestWithParam<Installation> {
  public:
    // Both installs once, before any check. Installing the component alone keeps the build's
    // record of a player's own install (install_manifest.txt) as it is.
    static void SetUpTestSuite() {
        char pattern[] = "/tmp/orvane-install-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        s_folder = pattern;
        for (const Installation& installation : Installations) {
            const fs::path log = s_folder / (std::string(installation.name) + ".log");
            std::string command;
            if (!installation.destdir.empty())
                command += "DESTDIR=" + shellQuoted(s_folder / installation.destdir) + " ";
            command += shellQuoted(ORVANE_CMAKE_COMMAND) + " --install " +
                       shellQuoted(BuildFolder) + " --component orvane --prefix " +
                       shellQuoted(prefixOf(installation)) + " >" + shellQuoted(log) + " 2>&1";
            s_results[installation.name] = {std::system(command.c_str()), contentsOf(log)};
        }
    }

    static void TearDownTestSuite() { fs::remove_all(s_folder); }

  protected:
    void SetUp() override {
        const auto& [status, log] = s_results.at(GetParam().name);
        ASSERT_EQ(status, 0) << "cmake --install failed:\n" << log;
    }

    // Where this install put its files: the prefix, below DESTDIR when staged.
    static fs::path root() {
        const Installation& installation = GetParam();
        if (installation.destdir.empty())
            return s_folder / installation.prefix;
        return s_folder / installation.destdir / fs::path(installation.prefix).relative_path();
    }

    // The prefix the installed files name, which DESTDIR does not change.
    static std::string prefixOf(const Installation& installation) {
        return (s_folder / installation.prefix).string(); // an absolute prefix stays as it is
    }

    static fs::path program() { return root() / ORVANE_PROGRAM_FOLDER / "orvane"; }
    static fs::path desktopEntry() {
        return root() / ORVANE_DATA_FOLDER / "applications" / (ORVANE_APP_ID ".desktop");
    }

    inline static fs::path s_folder;
    inline static std::map<std::string, std::pair<int, std::string>> s_results;
};

TEST_P(InstallLayout, ProgramLivesInItsOwnFolderAndBinLinksToIt) {
    ASSERT_TRUE(fs::is_regular_file(fs::symlink_status(program()))) << program();
    const fs::perms everyoneRuns =
        fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec;
    EXPECT_EQ(fs::status(program()).permissions() & everyoneRuns, everyoneRuns);
    // Loaded from beside the program when printing is first asked for.
    EXPECT_TRUE(fs::is_regular_file(program().parent_path() / "liborvane-printing.so"));

    const fs::path command = root() / ORVANE_BIN_FOLDER / "orvane";
    ASSERT_TRUE(fs::is_symlink(command)) << command;
    // Relative, so the link still holds wherever DESTDIR staged the files.
    EXPECT_TRUE(fs::read_symlink(command).is_relative()) << fs::read_symlink(command);
    EXPECT_EQ(fs::canonical(command), fs::canonical(program()));
}

TEST_P(InstallLayout, TheWheelMakerLivesBesideTheProgramAndBinLinksToIt) {
    const fs::path wheelMaker = program().parent_path() / "orvane-wheel";
    ASSERT_TRUE(fs::is_regular_file(fs::symlink_status(wheelMaker))) << wheelMaker;
    const fs::perms everyoneRuns =
        fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec;
    EXPECT_EQ(fs::status(wheelMaker).permissions() & everyoneRuns, everyoneRuns);
    const fs::path command = root() / ORVANE_BIN_FOLDER / "orvane-wheel";
    ASSERT_TRUE(fs::is_symlink(command)) << command;
    EXPECT_TRUE(fs::read_symlink(command).is_relative()) << fs::read_symlink(command);
    EXPECT_EQ(fs::canonical(command), fs::canonical(wheelMaker));
    // The installed command runs: a small wheel, proven.
    EXPECT_EQ(
        std::system((shellQuoted(command.string()) + " 9 3 3 --seconds 1 >/dev/null 2>&1").c_str()),
        0);
}

TEST_P(InstallLayout, DesktopEntryStartsTheInstalledProgramWithItsIcon) {
    ASSERT_TRUE(fs::is_regular_file(desktopEntry())) << desktopEntry();
    const auto keys = desktopEntryKeys(desktopEntry());
    std::string exec = GetParam().exec;
    replaceAll(exec, "<prefix>", prefixOf(GetParam()));
    EXPECT_EQ(keys.at("Exec"), exec);
    EXPECT_EQ(keys.at("Type"), "Application");
    EXPECT_EQ(keys.at("Name"), "Orvane");
    EXPECT_EQ(keys.at("Icon"), "orvane");
    // A game file opened from a file manager is handed to the program.
    EXPECT_EQ(keys.at("MimeType"), "application/x-orvane-game;");
    EXPECT_EQ(keys.at("Terminal"), "false");
    // The class Qt gives the program's windows, from the application name.
    EXPECT_EQ(keys.at("StartupWMClass"), "Orvane");
    const fs::perms everyoneReads =
        fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
    EXPECT_EQ(fs::status(desktopEntry()).permissions() & everyoneReads, everyoneReads);
}

TEST_P(InstallLayout, DesktopEntryPassesTheValidator) {
    if (std::system("command -v desktop-file-validate >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "desktop-file-validate is not installed (scripts/install-deps.sh adds it)";
    const fs::path log = s_folder / (std::string(GetParam().name) + "-validator.log");
    const std::string command =
        "desktop-file-validate " + shellQuoted(desktopEntry()) + " >" + shellQuoted(log) + " 2>&1";
    EXPECT_EQ(std::system(command.c_str()), 0) << contentsOf(log);
    EXPECT_EQ(contentsOf(log), "");
}

TEST_P(InstallLayout, IconThemeHasTheIconAtEverySize) {
    for (const int size : IconSizes) {
        const std::string folder = std::to_string(size) + "x" + std::to_string(size);
        const fs::path icon =
            root() / ORVANE_DATA_FOLDER / "icons/hicolor" / folder / "apps/orvane.png";
        SCOPED_TRACE(icon);
        const auto header = pngHeaderOf(icon);
        ASSERT_TRUE(header.has_value());
        EXPECT_EQ(header->width, static_cast<std::uint32_t>(size));
        EXPECT_EQ(header->height, static_cast<std::uint32_t>(size));
        constexpr int RgbWithAlpha = 6; // a round icon needs its corners see-through
        EXPECT_EQ(header->colourType, RgbWithAlpha);
    }
}

TEST_P(InstallLayout, ManualLiesWhereHelpLooksForItWithEveryPicture) {
    const fs::path manual =
        (program().parent_path() / ORVANE_MANUAL_FROM_PROGRAM).lexically_normal();
    ASSERT_TRUE(fs::is_regular_file(manual)) << manual;
    const std::string text = contentsOf(manual);
    int pictures = 0;
    for (std::size_t at = text.find("src=\""); at != std::string::npos;
         at = text.find("src=\"", at + 1)) {
        const std::size_t from = at + 5;
        const std::string picture = text.substr(from, text.find('"', from) - from);
        EXPECT_TRUE(fs::is_regular_file(manual.parent_path() / picture)) << picture;
        ++pictures;
    }
    EXPECT_GT(pictures, 0) << "the manual shows the windows";
}

TEST_P(InstallLayout, AppStreamMetadataNamesTheEntryAndThisReleaseAndPassesTheValidator) {
    const fs::path metainfo =
        root() / ORVANE_DATA_FOLDER / "metainfo" / (ORVANE_APP_ID ".metainfo.xml");
    ASSERT_TRUE(fs::is_regular_file(metainfo)) << metainfo;
    const std::string text = contentsOf(metainfo);
    for (const std::string& expected : {
             std::string("<id>" ORVANE_APP_ID "</id>"),
             std::string("<launchable type=\"desktop-id\">") + desktopEntry().filename().string() +
                 "</launchable>",
             std::string("<release version=\"" ORVANE_VERSION "\" date=\"" ORVANE_RELEASE_DATE
                         "\"/>"),
         })
        EXPECT_NE(text.find(expected), std::string::npos) << expected << " in:\n" << text;

    if (std::system("command -v appstreamcli >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "appstreamcli is not installed (scripts/install-deps.sh adds it)";
    const fs::path log = s_folder / (std::string(GetParam().name) + "-appstream.log");
    const std::string command = "appstreamcli validate --no-net " + shellQuoted(metainfo) + " >" +
                                shellQuoted(log) + " 2>&1";
    EXPECT_EQ(std::system(command.c_str()), 0) << contentsOf(log);
}

INSTANTIATE_TEST_SUITE_P(, InstallLayout, testing::ValuesIn(Installations),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
