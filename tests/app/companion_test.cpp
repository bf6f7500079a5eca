#include "app/companion.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvane {

void PrintTo(CompanionLaunch::Kind kind, std::ostream* out) {
    *out << (kind == CompanionLaunch::Kind::Program ? "Program"
             : kind == CompanionLaunch::Kind::Page  ? "Page"
                                                    : "None");
}

namespace {

namespace fs = std::filesystem;

TEST(Companion, ProgramIsPreferredOverThePageAndNothingWithoutEither) {
    const fs::path dir =
        fs::temp_directory_path() / ("orvane-companion-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    const std::string folder = dir.string() + "/";

    EXPECT_EQ(CompanionToLaunch(folder).kind, CompanionLaunch::Kind::None);

    std::ofstream(dir / "VELMORE.HTM") << "<html></html>";
    CompanionLaunch launch = CompanionToLaunch(folder);
    EXPECT_EQ(launch.kind, CompanionLaunch::Kind::Page);
    EXPECT_EQ(launch.path, folder + "VELMORE.HTM");

    std::ofstream(dir / "VELMORE.EXE") << "#!/bin/sh\n";
    fs::permissions(dir / "VELMORE.EXE", fs::perms(0755));
    launch = CompanionToLaunch(folder);
    EXPECT_EQ(launch.kind, CompanionLaunch::Kind::Program);
    EXPECT_EQ(launch.path, folder + "VELMORE.EXE");

    // A folder of that name is not a program to start.
    fs::remove(dir / "VELMORE.EXE");
    fs::create_directory(dir / "VELMORE.EXE");
    EXPECT_EQ(CompanionToLaunch(folder).kind, CompanionLaunch::Kind::Page);
    fs::remove_all(dir);
}

// Who may have put "VELMORE.EXE" where it lies decides whether it is started: only root and the
// player, through a folder only they can change.
TEST(Companion, StartsOnlyAProgramNobodyElseCouldHavePlanted) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "giving files to other users needs root";

    constexpr uid_t kRoot = 0, kPlayer = 4242, kOther = 4343;
    enum class Exe { Absent, File, Folder, Pipe, LinkToTrustedFile, DanglingLink };
    struct Case {
        const char* what;
        uid_t folderOwner;
        unsigned folderMode;
        Exe exe;
        uid_t exeOwner;
        unsigned exeMode;
        CompanionLaunch::Kind expected;
    };
    using K = CompanionLaunch::Kind;
    const Case cases[] = {
        {"the player's own file and folder", kPlayer, 0755, Exe::File, kPlayer, 0755, K::Program},
        {"root's file in root's folder", kRoot, 0755, Exe::File, kRoot, 0755, K::Program},
        {"the player's file in root's folder", kRoot, 0755, Exe::File, kPlayer, 0700, K::Program},
        {"root's read-only file in the player's folder", kPlayer, 0700, Exe::File, kRoot, 0555,
         K::Program},
        {"a file of another user", kRoot, 0755, Exe::File, kOther, 0755, K::None},
        {"a file the group may write", kRoot, 0755, Exe::File, kPlayer, 0775, K::None},
        {"a file anybody may write", kRoot, 0755, Exe::File, kPlayer, 0757, K::None},
        {"a folder the group may write", kRoot, 0775, Exe::File, kRoot, 0755, K::None},
        {"a folder anybody may write", kPlayer, 0757, Exe::File, kPlayer, 0755, K::None},
        {"a sticky folder anybody may write", kRoot, 01777, Exe::File, kRoot, 0755, K::None},
        {"a folder of another user", kOther, 0755, Exe::File, kPlayer, 0755, K::None},
        {"a link to a trusted program", kRoot, 0755, Exe::LinkToTrustedFile, kRoot, 0755, K::None},
        {"a link to nothing", kRoot, 0755, Exe::DanglingLink, kRoot, 0755, K::None},
        {"a pipe named like the program", kRoot, 0755, Exe::Pipe, kRoot, 0644, K::None},
        {"no program", kRoot, 0755, Exe::Absent, kRoot, 0, K::Page},
        {"a folder named like the program", kRoot, 0755, Exe::Folder, kRoot, 0755, K::Page},
        // The page only goes to the browser; where it lies is not checked.
        {"no program in a folder anybody may write", kOther, 0777, Exe::Absent, kRoot, 0, K::Page},
    };

    const fs::path base =
        fs::temp_directory_path() / ("orvane-companion-owners-" + std::to_string(::getpid()));
    fs::remove_all(base);
    fs::create_directories(base);
    const fs::path trusted = base / "trusted-program";
    std::ofstream(trusted) << "#!/bin/sh\n";
    fs::permissions(trusted, fs::perms(0755));

    int number = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const fs::path dir = base / std::to_string(++number);
        fs::create_directory(dir);
        std::ofstream(dir / "VELMORE.HTM") << "<html></html>";
        const fs::path exe = dir / "VELMORE.EXE";
        switch (c.exe) {
        case Exe::Absent:
            break;
        case Exe::File:
            std::ofstream(exe) << "#!/bin/sh\n";
            ASSERT_EQ(::chown(exe.c_str(), c.exeOwner, 0), 0);
            ASSERT_EQ(::chmod(exe.c_str(), c.exeMode), 0);
            break;
        case Exe::Folder:
            fs::create_directory(exe);
            break;
        case Exe::Pipe:
            ASSERT_EQ(::mkfifo(exe.c_str(), c.exeMode), 0);
            break;
        case Exe::LinkToTrustedFile:
            fs::create_symlink(trusted, exe);
            break;
        case Exe::DanglingLink:
            fs::create_symlink(base / "nothing-here", exe);
            break;
        }
        ASSERT_EQ(::chown(dir.c_str(), c.folderOwner, 0), 0);
        ASSERT_EQ(::chmod(dir.c_str(), c.folderMode), 0);

        const std::string folder = dir.string() + "/";
        const CompanionLaunch launch = CompanionToLaunchFor(folder, kPlayer);
        EXPECT_EQ(launch.kind, c.expected);
        if (c.expected == K::Program) {
            EXPECT_EQ(launch.path, folder + "VELMORE.EXE");
        } else if (c.expected == K::Page) {
            EXPECT_EQ(launch.path, folder + "VELMORE.HTM");
        }
    }
    fs::remove_all(base);
}

} // namespace
} // namespace orvane
