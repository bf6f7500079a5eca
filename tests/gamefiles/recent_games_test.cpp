// The list of games loaded or saved last: newest first, each once, eight at most, kept in a file
// of the player's folder that is made for the player alone.
#include "gamefiles/recent_games.h"

#include "support/temp_folder.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace orvane::test {
namespace {

using Paths = std::vector<std::string>;

TEST(RecentGames, NewestFirstEachOnceAndEightAtMost) {
    Paths recent;
    for (const char* path : {"/g/a", "/g/b", "/g/c"})
        recent = WithRecentGame(recent, path);
    EXPECT_EQ(recent, (Paths{"/g/c", "/g/b", "/g/a"}));
    recent = WithRecentGame(recent, "/g/a");
    EXPECT_EQ(recent, (Paths{"/g/a", "/g/c", "/g/b"})) << "a game used again moves to the top";
    for (int i = 0; i < 10; ++i)
        recent = WithRecentGame(recent, "/g/n" + std::to_string(i));
    ASSERT_EQ(recent.size(), kRecentGamesKept);
    EXPECT_EQ(recent.front(), "/g/n9");
    EXPECT_EQ(recent.back(), "/g/n2");
}

TEST(RecentGames, KeptInAFolderMadeForThePlayerAloneAndReadBack) {
    TempFolder home;
    const std::string folder = home.path() + "/config/orvane/";
    const Paths recent{"/games/saturday", "/games/with space", "/games/*wild["};
    ASSERT_TRUE(WriteRecentGames(folder, recent));
    struct stat st {};
    ASSERT_EQ(::stat(folder.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    EXPECT_EQ(ReadRecentGames(folder + kRecentGamesFileName), recent);

    // A path holding a line break would read back as two: it is left out.
    ASSERT_TRUE(WriteRecentGames(folder, {"/games/two\nlines", "/games/one"}));
    EXPECT_EQ(ReadRecentGames(folder + kRecentGamesFileName), Paths{"/games/one"});
}

TEST(RecentGames, AMissingOrStrangeFileGivesWhatCanBeRead) {
    TempFolder home;
    EXPECT_TRUE(ReadRecentGames(home.file("none")).empty());
    EXPECT_TRUE(ReadRecentGames(home.path()).empty()) << "a folder is no list";
    std::ofstream(home.file("long")) << "/a\n\n/b\n/c\n/d\n/e\n/f\n/g\n/h\n/i\n/j\n";
    const Paths read = ReadRecentGames(home.file("long"));
    EXPECT_EQ(read.size(), kRecentGamesKept);
    EXPECT_EQ(read.front(), "/a");
    EXPECT_FALSE(WriteRecentGames("", {"/a"})) << "no player folder, nothing kept";
    EXPECT_FALSE(WriteRecentGames(home.file("long") + "/below/", {"/a"}))
        << "a folder below a file cannot be made";
}

} // namespace
} // namespace orvane::test
