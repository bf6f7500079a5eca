// The Debian package CPack makes from this build: what it holds, the dependencies dpkg-shlibdeps
// computed for it, what lintian says of it, and, as root, that it installs and removes cleanly.
#include "shell_commands.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <future>
#include <set>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace orvane::test {
namespace {

const std::string Version = ORVANE_VERSION;

// The paths `dpkg-deb -c` lists, without the leading "." and with a link's target after " -> ".
std::set<std::string> listedPaths(const std::string& listing) {
    std::set<std::string> paths;
    std::istringstream lines(listing);
    for (std::string line; std::getline(lines, line);) {
        const auto at = line.find(" ./");
        // The package's root, "./", holds the rest and is no path of its own.
        if (at != std::string::npos && at + 3 < line.size())
            paths.insert(line.substr(at + 2));
    }
    return paths;
}

class DebianPackage : public testing::Test {
  public:
    // One package for every check, made by CPack into a folder of the test's own.
    static void SetUpTestSuite() {
        char pattern[] = "/tmp/orvane-package-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        s_folder = pattern;
        s_recordBefore = installRecord();
        s_made = runCommand(shellQuoted(ORVANE_CPACK_COMMAND) + " -G DEB --config " +
                            shellQuoted(ORVANE_BUILD_FOLDER "/CPackConfig.cmake") + " -B " +
                            shellQuoted(s_folder));
        for (const auto& entry : fs::directory_iterator(s_folder))
            if (entry.path().extension() == ".deb")
                s_package = entry.path();
        s_recordAfter = installRecord();
        // Lintian takes seconds of work: it reads the package beside the checks that follow,
        // the install with apt above all, which mostly waits on the disk.
        if (!s_package.empty() && commandExists("lintian"))
            s_lintian = std::async(std::launch::async, [package = s_package] {
                            // Running as root, lintian asks to be told it is meant.
                            return runCommand("lintian --allow-root -I --no-tag-display-limit " +
                                              shellQuoted(package));
                        }).share();
    }
    static void TearDownTestSuite() {
        if (s_lintian.valid())
            s_lintian.wait();
        fs::remove_all(s_folder);
    }

  protected:
    // The build's record of a player's own `cmake --install`, which `cmake --install` reads back
    // to know what it installed; "(none)" when there is none.
    static std::string installRecord() {
        const fs::path record = fs::path(ORVANE_BUILD_FOLDER) / "install_manifest.txt";
        return fs::exists(record) ? contentsOf(record) : std::string("(none)");
    }

    void SetUp() override {
        ASSERT_EQ(s_made.status, 0) << s_made.output;
        ASSERT_FALSE(s_package.empty()) << "cpack wrote no .deb:\n" << s_made.output;
    }
    static std::string field(const char* name) {
        const CommandResult got = runCommand("dpkg-deb -f " + shellQuoted(s_package) + " " + name);
        EXPECT_EQ(got.status, 0) << got.output;
        std::string value = got.output;
        while (!value.empty() && value.back() == '\n')
            value.pop_back();
        return value;
    }

    // The package's files, unpacked once into the test's folder.
    static fs::path unpacked() {
        const fs::path root = s_folder / "unpacked";
        if (!fs::exists(root)) {
            const CommandResult got =
                runCommand("dpkg-deb -x " + shellQuoted(s_package) + " " + shellQuoted(root));
            EXPECT_EQ(got.status, 0) << got.output;
        }
        return root;
    }
    // Lintian's verdict on the package, every tag down to the informational ones, one a line;
    // asked once for every check. Empty when lintian is not there.
    static const CommandResult& lintian() {
        static const CommandResult none;
        return s_lintian.valid() ? s_lintian.get() : none;
    }
    static const std::string& lintianReport() { return lintian().output; }

    inline static fs::path s_folder;
    inline static fs::path s_package;
    inline static CommandResult s_made;
    inline static std::shared_future<CommandResult> s_lintian;
    inline static std::string s_recordBefore, s_recordAfter;
};

TEST_F(DebianPackage, IsNamedForItsVersionAndTheMachinesArchitecture) {
    const std::string arch = runCommand("dpkg --print-architecture").output;
    EXPECT_EQ(s_package.filename().string(),
              "orvane_" + Version + "_" + arch.substr(0, arch.find('\n')) + ".deb");
    EXPECT_EQ(field("Package"), "orvane");
    EXPECT_EQ(field("Version"), Version);
    EXPECT_EQ(field("Section"), "utils");
    EXPECT_NE(field("Maintainer"), "");
    const std::string description = field("Description");
    EXPECT_TRUE(description.starts_with("wheeling systems for the Thunderball lottery game\n"))
        << description;
}

TEST_F(DebianPackage, HoldsTheInstallUnderUsr) {
    const CommandResult listing = runCommand("dpkg-deb -c " + shellQuoted(s_package));
    ASSERT_EQ(listing.status, 0) << listing.output;
    const std::set<std::string> paths = listedPaths(listing.output);
    std::vector<std::string> expected = {
        "/usr/lib/orvane/orvane",
        "/usr/lib/orvane/liborvane-printing.so",
        "/usr/bin/orvane -> ../lib/orvane/orvane",
        "/usr/lib/orvane/orvane-wheel",
        "/usr/bin/orvane-wheel -> ../lib/orvane/orvane-wheel",
        "/usr/share/applications/" ORVANE_APP_ID ".desktop",
        "/usr/share/metainfo/" ORVANE_APP_ID ".metainfo.xml",
        "/usr/share/doc/orvane/copyright",
        "/usr/share/doc/orvane/changelog.gz",
        "/usr/share/doc/orvane/manual/index.html",
        "/usr/share/mime/packages/orvane.xml",
        "/usr/share/man/man1/orvane.1.gz",
        "/usr/share/man/man1/orvane-wheel.1.gz",
    };
    for (const int size : {ORVANE_ICON_SIZES}) {
        const std::string folder = std::to_string(size) + "x" + std::to_string(size);
        expected.push_back("/usr/share/icons/hicolor/" + folder + "/apps/orvane.png");
    }
    for (const std::string& path : expected)
        EXPECT_TRUE(paths.contains(path)) << path << " is missing from:\n" << listing.output;
    for (const std::string& path : paths)
        EXPECT_TRUE(path.starts_with("/usr/")) << path << " lies outside /usr";
}

TEST_F(DebianPackage, LeavesTheRecordOfAPlayersOwnInstallAsItWas) {
    EXPECT_EQ(s_recordAfter, s_recordBefore);
}

TEST_F(DebianPackage, DependsOnWhatTheProgramLinksAsDpkgShlibdepsFoundIt) {
    const std::string depends = field("Depends");
    // Versioned, as only dpkg-shlibdeps writes them: nobody types these by hand.
    for (const char* library : {"libqt6widgets6 (>=", "libqt6printsupport6 (>=", "libqt6gui6 (>=",
                                "libqt6core6 (>=", "libc6 (>=", "libstdc++6 (>="})
        EXPECT_NE(depends.find(library), std::string::npos) << library << " in: " << depends;
}

// The one check that changes the machine: it installs the package with apt, as a player would,
// and removes it again.
TEST_F(DebianPackage, InstallsWithAptAndRemovesWithoutATrace) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "installing a package needs root";
    if (runCommand("dpkg-query -W -f='${Status}' orvane").output.find("installed") !=
        std::string::npos)
        GTEST_SKIP() << "an orvane package is installed on this machine already: left alone";
    // The install is removed again at once: dpkg and the MIME database it updates need not wait
    // for each file to reach the disk, which takes most of the time on a slow one.
    const std::string apt = "DEBIAN_FRONTEND=noninteractive PKGSYSTEM_ENABLE_FSYNC=0 apt-get "
                            "-o DPkg::Lock::Timeout=300 -o DPkg::Options::=--force-unsafe-io "
                            "-y --no-install-recommends ";
    const CommandResult installed = runCommand(apt + "install " + shellQuoted(s_package));
    ASSERT_EQ(installed.status, 0) << installed.output;

    EXPECT_TRUE(fs::is_regular_file("/usr/lib/orvane/orvane"));
    EXPECT_EQ(fs::canonical("/usr/bin/orvane"), "/usr/lib/orvane/orvane");
    EXPECT_EQ(::access("/usr/bin/orvane", X_OK), 0);
    EXPECT_EQ(fs::canonical("/usr/bin/orvane-wheel"), "/usr/lib/orvane/orvane-wheel");
    EXPECT_EQ(runCommand("/usr/bin/orvane-wheel 9 3 3 --seconds 1").status, 0);
    if (commandExists("desktop-file-validate")) {
        const CommandResult valid =
            runCommand("desktop-file-validate /usr/share/applications/" ORVANE_APP_ID ".desktop");
        EXPECT_EQ(valid.status, 0) << valid.output;
        EXPECT_EQ(valid.output, "");
    }
    const CommandResult files = runCommand("dpkg -L orvane");

    // Removing a package that nothing depends on is dpkg's work alone: apt would only read its
    // package lists again before handing it over.
    const CommandResult removed =
        runCommand("PKGSYSTEM_ENABLE_FSYNC=0 dpkg --force-unsafe-io --purge orvane");
    EXPECT_EQ(removed.status, 0) << removed.output;
    std::istringstream lines(files.output);
    for (std::string path; std::getline(lines, path);)
        if (fs::is_regular_file(fs::symlink_status(path)) || fs::is_symlink(path))
            ADD_FAILURE() << path << " stayed after removal";
    EXPECT_FALSE(fs::exists("/usr/lib/orvane"));
}

TEST_F(DebianPackage, LintianFindsNoError) {
    if (!commandExists("lintian"))
        GTEST_SKIP() << "lintian is not installed (scripts/install-deps.sh adds it)";
    const CommandResult& report = lintian();
    std::istringstream lines(report.output);
    for (std::string line; std::getline(lines, line);)
        EXPECT_FALSE(line.starts_with("E:")) << line;
    EXPECT_NE(report.status, 2) << "lintian did not run:\n" << report.output;
}

TEST_F(DebianPackage, RecommendsWhatOpensHelpAndTheWebPage) {
    EXPECT_EQ(field("Recommends"), "xdg-utils");
}

// The package, its menu entry and its AppStream metadata put Orvane in the same place.
TEST_F(DebianPackage, TheSectionIsTheSameInThePackageTheMenuEntryAndAppStream) {
    EXPECT_EQ(field("Section"), "utils");
    const std::string entry =
        contentsOf(unpacked() / "usr/share/applications" / (ORVANE_APP_ID ".desktop"));
    EXPECT_NE(entry.find("\nCategories=Utility;\n"), std::string::npos) << entry;
    const std::string metainfo =
        contentsOf(unpacked() / "usr/share/metainfo" / (ORVANE_APP_ID ".metainfo.xml"));
    EXPECT_NE(metainfo.find("<category>Utility</category>"), std::string::npos) << metainfo;
    EXPECT_EQ(metainfo.find("<category>Game</category>"), std::string::npos);
}

TEST_F(DebianPackage, RunsNoLdconfigForTheModuleInItsPrivateFolder) {
    const fs::path control = s_folder / "control";
    const CommandResult got =
        runCommand("dpkg-deb -e " + shellQuoted(s_package) + " " + shellQuoted(control));
    ASSERT_EQ(got.status, 0) << got.output;
    for (const auto& script : fs::directory_iterator(control))
        EXPECT_EQ(contentsOf(script.path()).find("ldconfig"), std::string::npos)
            << script.path().filename() << ":\n"
            << contentsOf(script.path());
    EXPECT_TRUE(fs::exists(control / "md5sums"));
}

// Built with Debian's hardening flags: fortified functions, the stack protector, a read-only
// relocation table bound at start (relro, bind-now).
TEST_F(DebianPackage, IsBuiltWithDebiansHardeningFlags) {
    for (const char* binary : {"usr/lib/orvane/orvane", "usr/lib/orvane/liborvane-printing.so"}) {
        SCOPED_TRACE(binary);
        const std::string file = shellQuoted(unpacked() / binary);
        const CommandResult segments = runCommand("readelf -lW " + file);
        EXPECT_NE(segments.output.find("GNU_RELRO"), std::string::npos) << segments.output;
        const CommandResult dynamic = runCommand("readelf -dW " + file);
        EXPECT_NE(dynamic.output.find("BIND_NOW"), std::string::npos) << dynamic.output;
    }
    const CommandResult symbols =
        runCommand("readelf -sW --dyn-syms " + shellQuoted(unpacked() / "usr/lib/orvane/orvane"));
    EXPECT_NE(symbols.output.find("__stack_chk_fail"), std::string::npos);
    EXPECT_NE(symbols.output.find("_chk@"), std::string::npos) << "no fortified function";
    if (lintianReport().empty())
        GTEST_SKIP() << "lintian is not installed (scripts/install-deps.sh adds it)";
    for (const char* tag :
         {"hardening-no-relro", "hardening-no-bindnow", "hardening-no-fortify-functions",
          "maintscript-calls-ldconfig", "no-manual-page"})
        EXPECT_EQ(lintianReport().find(tag), std::string::npos) << tag << " in:\n"
                                                                << lintianReport();
}

TEST_F(DebianPackage, TheManualPageSaysHowToStartTheCommand) {
    const fs::path page = unpacked() / "usr/share/man/man1/orvane.1.gz";
    ASSERT_TRUE(fs::exists(page));
    if (!commandExists("man"))
        GTEST_SKIP() << "man is not installed (scripts/install-deps.sh adds it)";
    const CommandResult shown = runCommand("MANWIDTH=100 man -l " + shellQuoted(page));
    ASSERT_EQ(shown.status, 0) << shown.output;
    for (const char* text : {"orvane [FILE]", "--help", "--version", "ORVANE.PAR", "recent-games"})
        EXPECT_NE(shown.output.find(text), std::string::npos) << text << " in:\n" << shown.output;

    const fs::path wheelPage = unpacked() / "usr/share/man/man1/orvane-wheel.1.gz";
    const CommandResult wheel = runCommand("MANWIDTH=100 man -l " + shellQuoted(wheelPage));
    ASSERT_EQ(wheel.status, 0) << wheel.output;
    for (const char* text :
         {"orvane-wheel V K M", "--fixed", "--boards", "--seconds", "EXIT STATUS"})
        EXPECT_NE(wheel.output.find(text), std::string::npos) << text << " in:\n" << wheel.output;
}

// The README lists what lintian says of the package, tag by tag: no more, no fewer.
TEST_F(DebianPackage, TheReadmeListsWhatLintianSays) {
    if (lintianReport().empty())
        GTEST_SKIP() << "lintian is not installed (scripts/install-deps.sh adds it)";
    std::set<std::string> said;
    std::istringstream report(lintianReport());
    for (std::string line; std::getline(report, line);) {
        // "W: orvane: no-manual-page [usr/bin/orvane]"
        if (line.size() > 3 && line[1] == ':' && line.starts_with(std::string(1, line[0]))) {
            const auto tagAt = line.find(": ", 3);
            if (tagAt != std::string::npos)
                said.insert(line.substr(0, 1) + " " +
                            line.substr(tagAt + 2, line.find(' ', tagAt + 2) - tagAt - 2));
        }
    }
    std::set<std::string> listed;
    std::istringstream readme(contentsOf(ORVANE_README));
    for (std::string line; std::getline(readme, line);) {
        // "- W `no-manual-page`: ..." or "- I `a`, `b`: ..."
        if (line.size() < 5 || !line.starts_with("- ") || line[3] != ' ' ||
            std::string("EWIPX").find(line[2]) == std::string::npos || line[4] != '`')
            continue;
        for (std::size_t at = line.find('`'); at != std::string::npos && at < line.find(':');
             at = line.find('`', line.find('`', at + 1) + 1))
            listed.insert(line.substr(2, 1) + " " +
                          line.substr(at + 1, line.find('`', at + 1) - at - 1));
    }
    EXPECT_EQ(listed, said) << lintianReport();
}

// The package's MIME type, as the desktop's file managers read it once the package's trigger has
// rebuilt the database: a game file by its first bytes and its length, whatever its name.
TEST_F(DebianPackage, TellsAGameFileByItsFirstBytesAndLength) {
    if (!commandExists("update-mime-database") || !commandExists("gio"))
        GTEST_SKIP()
            << "update-mime-database or gio is missing (scripts/install-deps.sh adds them)";
    const fs::path root = s_folder / "mime-root";
    const CommandResult unpacked =
        runCommand("dpkg-deb -x " + shellQuoted(s_package) + " " + shellQuoted(root));
    ASSERT_EQ(unpacked.status, 0) << unpacked.output;
    const fs::path share = root / "usr/share";
    const CommandResult built =
        runCommand("update-mime-database " + shellQuoted(share / "mime") + " 2>&1");
    ASSERT_EQ(built.status, 0) << built.output;

    const std::string game("\x03GRI", 4);
    struct Case {
        const char* name;
        std::string bytes;
        bool isGame;
    };
    const Case cases[] = {
        {"saturday", game + std::string(288, '\0'), true},
        {"with a wheel after it.txt", game + std::string(600, '\1'), true},
        {"short", game + std::string(287, '\0'), false},
        {"other", "\x03GRX" + std::string(288, '\0'), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path file = s_folder / c.name;
        std::ofstream(file, std::ios::binary) << c.bytes;
        const CommandResult type =
            runCommand("XDG_DATA_HOME=" + shellQuoted(s_folder / "no-home") +
                       " XDG_DATA_DIRS=" + shellQuoted(share) +
                       " gio info -a standard::content-type " + shellQuoted(file));
        ASSERT_EQ(type.status, 0) << type.output;
        EXPECT_EQ(type.output.find("application/x-orvane-game") != std::string::npos, c.isGame)
            << type.output;
    }
}

} // namespace
} // namespace orvane::test
