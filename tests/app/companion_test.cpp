#include "app/companion.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace orvane {
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
    launch = CompanionToLaunch(folder);
    EXPECT_EQ(launch.kind, CompanionLaunch::Kind::Program);
    EXPECT_EQ(launch.path, folder + "VELMORE.EXE");

    // A folder of that name is not a program to start.
    fs::remove(dir / "VELMORE.EXE");
    fs::create_directory(dir / "VELMORE.EXE");
    EXPECT_EQ(CompanionToLaunch(folder).kind, CompanionLaunch::Kind::Page);
    fs::remove_all(dir);
}

} // namespace
} // namespace orvane
