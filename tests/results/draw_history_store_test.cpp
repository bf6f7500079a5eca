// The draws kept: newest first and each once, in the player's database, where two copies of the
// program each keep what the other added; the history file of earlier versions taken in once, and
// never taken for empty when it cannot be read; and the export, which a failed save never damages.
#include "results/draw_history_store.h"

#include "playerdata/player_database.h"
#include "support/failing_reads_vfs.h"
#include "support/player_only.h"

#include "support/killed_save.h"
#include "support/temp_folder.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace orvane {
namespace {

namespace fs = std::filesystem;

StoredDraw Dated(int day, int month, int year, std::array<int, 5> main, int thunderball) {
    return MakeStoredDraw(DrawDate{year, month, day}, Draw{main, thunderball});
}

StoredDraw Undated(std::array<int, 5> main, int thunderball) {
    return MakeStoredDraw(std::nullopt, Draw{main, thunderball});
}

std::string FileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteText(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

const StoredDraw kMarch14 = Dated(14, 3, 2025, {3, 9, 17, 22, 30}, 5);
const StoredDraw kMarch12 = Dated(12, 3, 2025, {2, 7, 11, 25, 38}, 14);
const StoredDraw kMarch12Other = Dated(12, 3, 2025, {1, 2, 3, 4, 5}, 1);
const StoredDraw kFeb2024 = Dated(29, 2, 2024, {8, 16, 24, 32, 39}, 3);
const StoredDraw kNoDate = Undated({8, 20, 29, 35, 37}, 6);

TEST(DrawHistory, KeepsEachDrawOnceNewestFirst) {
    DrawHistory history;
    DrawHistory::Added added = history.add({kFeb2024, kNoDate, kMarch12});
    EXPECT_EQ(added.added, 3);
    EXPECT_EQ(added.alreadyThere, 0);
    EXPECT_EQ(history.draws(), (std::vector<StoredDraw>{kMarch12, kFeb2024, kNoDate}));

    // Same date and numbers is the same draw, given again or twice in one file; the same numbers
    // on another date, or without a date, are another draw.
    const StoredDraw sameNumbersOtherDay = Dated(13, 3, 2025, {2, 7, 11, 25, 38}, 14);
    const StoredDraw sameNumbersNoDate = Undated({2, 7, 11, 25, 38}, 14);
    const StoredDraw sameDrawOtherThunderball = Dated(12, 3, 2025, {2, 7, 11, 25, 38}, 13);
    added = history.add({kMarch12, kMarch14, kMarch14, sameNumbersOtherDay, sameNumbersNoDate,
                         sameDrawOtherThunderball});
    EXPECT_EQ(added.added, 4);
    EXPECT_EQ(added.alreadyThere, 2);
    ASSERT_EQ(history.draws().size(), 7u);
    EXPECT_EQ(history.draws()[0], kMarch14);
    EXPECT_EQ(history.draws()[1], sameNumbersOtherDay);
    // Of one date, or without a date, the draw added last comes first.
    EXPECT_EQ(history.draws()[2], sameDrawOtherThunderball);
    EXPECT_EQ(history.draws()[3], kMarch12);
    EXPECT_EQ(history.draws()[4], kFeb2024);
    EXPECT_EQ(history.draws()[5], sameNumbersNoDate);
    EXPECT_EQ(history.draws()[6], kNoDate);
}

TEST(DrawHistoryExport, WritesEveryDrawNewestFirstAndReadsBackAsItWas) {
    test::TempFolder folder;
    DrawHistory history;
    history.add({kMarch12, kMarch12Other, kFeb2024, kNoDate, kMarch14});
    const std::string path = folder.file("draws.txt");
    ASSERT_TRUE(ExportDrawHistory(history, path));
    EXPECT_EQ(FileText(path),
              "# Orvane's draw history, newest first: the date (day/month/year) when known,\n"
              "# the five main numbers, then the Thunderball.\n"
              "14/03/2025 3 9 17 22 30 5\n"
              "12/03/2025 1 2 3 4 5 1\n"
              "12/03/2025 2 7 11 25 38 14\n"
              "29/02/2024 8 16 24 32 39 3\n"
              "8 20 29 35 37 6\n");
    const EarlierDrawFile read = ReadEarlierDrawFile(path);
    EXPECT_TRUE(read.found && read.readWhole);
    EXPECT_EQ(read.decoded.history.draws(), history.draws());
    EXPECT_EQ(read.decoded.linesNotRead, 0);

    // A folder at the name, a folder below a regular file: nothing written.
    fs::create_directories(folder.file("blocked"));
    EXPECT_FALSE(ExportDrawHistory(history, folder.file("blocked")));
    EXPECT_TRUE(fs::is_directory(folder.file("blocked")));
    EXPECT_FALSE(ExportDrawHistory(history, path + "/below.txt"));

    // An export killed half-way leaves the file exported before.
    const std::string oldText = FileText(path);
    DrawHistory more = history;
    more.add({Dated(1, 1, 2026, {1, 2, 3, 4, 6}, 2)});
    std::string newText = EncodeDrawHistory(more) + std::string(64 * 1024, '#');
    ASSERT_TRUE(
        test::SaveKilledHalfWay(path, std::vector<std::uint8_t>(newText.begin(), newText.end())));
    EXPECT_EQ(FileText(path), oldText);
}

TEST(DrawHistoryFile, ADamagedFileGivesEveryWholeLineThatIsADrawAndCountsTheOthers) {
    test::TempFolder folder;
    using namespace std::string_literals;
    const std::string path = folder.file(kDrawHistoryFileName);
    WriteText(path, "# comment\n"
                    "14/03/2025 3 9 17 22 30 5\n"
                    "\x01\x02garbage \xFF\xFE\n"
                    "12/03/2025 2 7 11 25 40 14\n"
                    "\0\0\0\0\n"s
                    "29/02/2024 8 16 24 32 39 3\r\n"
                    "14/03/2025 3 9 17 22 30 5\n"
                    "8 20 29 35 37 6\n"
                    "12/03/2025 2 7 11 25 38 1"); // cut short in "14"
    const EarlierDrawFile read = ReadEarlierDrawFile(path);
    EXPECT_TRUE(read.readWhole);
    EXPECT_EQ(read.decoded.history.draws(), (std::vector<StoredDraw>{kMarch14, kFeb2024, kNoDate}));
    EXPECT_EQ(read.decoded.linesNotRead, 4);

    EXPECT_FALSE(ReadEarlierDrawFile(folder.file("nothing-here")).found);
    // A folder, or a device, where the file should be: found, but not read, without blocking.
    fs::create_directory(folder.file("folder"));
    const EarlierDrawFile aFolder = ReadEarlierDrawFile(folder.file("folder"));
    EXPECT_TRUE(aFolder.found && !aFolder.readWhole);
    fs::create_symlink("/dev/zero", folder.file("device"));
    const EarlierDrawFile aDevice = ReadEarlierDrawFile(folder.file("device"));
    EXPECT_TRUE(aDevice.found && !aDevice.readWhole);
}

class DrawHistoryStoreTest : public ::testing::Test {
  protected:
    std::string data() const { return m_temp.path() + "/share/Orvane/"; }

  private:
    const test::TempFolder m_temp;
};

TEST_F(DrawHistoryStoreTest, KeepsEachDrawOnceNewestFirstAndADateJoinsTheSameNumbersWithout) {
    PlayerDatabase db(data());
    DrawHistoryStore store(db, data());
    EXPECT_TRUE(store.history().draws().empty());

    DrawHistoryStore::Added added = store.add({kFeb2024, kNoDate, kMarch12, kMarch12});
    EXPECT_TRUE(added.saved);
    EXPECT_EQ(added.counts.added, 3);
    EXPECT_EQ(added.counts.alreadyThere, 1) << "given twice in one file";
    EXPECT_EQ(store.history().draws(), (std::vector<StoredDraw>{kMarch12, kFeb2024, kNoDate}));

    // The numbers of the undated draw come with a date: one draw, which takes the date. The
    // numbers of a dated draw come without one: the dated draw already holds them.
    const StoredDraw noDateDated = Dated(1, 2, 2020, {8, 20, 29, 35, 37}, 6);
    const StoredDraw march12Undated = Undated({2, 7, 11, 25, 38}, 14);
    const StoredDraw sameNumbersOtherDay = Dated(13, 3, 2025, {2, 7, 11, 25, 38}, 14);
    const StoredDraw otherThunderball = Dated(12, 3, 2025, {2, 7, 11, 25, 38}, 13);
    added = store.add(
        {noDateDated, march12Undated, sameNumbersOtherDay, otherThunderball, kMarch12Other});
    EXPECT_EQ(added.counts.added, 3);
    EXPECT_EQ(added.counts.alreadyThere, 2);
    EXPECT_EQ(store.history().draws(),
              (std::vector<StoredDraw>{sameNumbersOtherDay, kMarch12Other, otherThunderball,
                                       kMarch12, kFeb2024, noDateDated}))
        << "newest first; of one date, the draw added last first";
}

TEST_F(DrawHistoryStoreTest, TwoCopiesOfTheProgramKeepWhatEachOtherAdded) {
    PlayerDatabase first(data());
    PlayerDatabase second(data());
    DrawHistoryStore a(first, data());
    DrawHistoryStore b(second, data());
    EXPECT_TRUE(a.history().draws().empty()) << "the first copy reads before the other adds";
    ASSERT_TRUE(b.add({kMarch12, kFeb2024}).saved);
    ASSERT_TRUE(a.add({kMarch14, kNoDate}).saved);
    const std::vector<StoredDraw> all{kMarch14, kMarch12, kFeb2024, kNoDate};
    EXPECT_EQ(a.history().draws(), all);
    EXPECT_EQ(b.history().draws(), all);
}

TEST_F(DrawHistoryStoreTest, TakesTheEarlierFileInOnceAndLeavesItWhereItIs) {
    fs::create_directories(data());
    const std::string earlier = data() + kDrawHistoryFileName;
    WriteText(earlier, "# Orvane's draw history\n"
                       "14/03/2025 3 9 17 22 30 5\n"
                       "12/03/2025 1 2 3 4 5 1\n"
                       "12/03/2025 2 7 11 25 38 14\n"
                       "12/03/2025 2 7 11 25 40 14\n"
                       "8 20 29 35 37 6\n");
    const std::string text = FileText(earlier);
    {
        PlayerDatabase db(data());
        DrawHistoryStore store(db, data());
        EXPECT_EQ(store.history().draws(),
                  (std::vector<StoredDraw>{kMarch14, kMarch12Other, kMarch12, kNoDate}))
            << "in the order of the file";
        EXPECT_EQ(store.takeNotices(),
                  std::vector<std::string>{
                      "Les 4 tirages de orvane-draws.txt ont \u00E9t\u00E9 repris dans la base "
                      "orvane.db, 1 ligne illisible ; le fichier reste en place."});
        EXPECT_TRUE(store.takeNotices().empty()) << "said once";
    }
    EXPECT_EQ(FileText(earlier), text);

    // Changed since: the database is the history now, and the file is not read again.
    WriteText(earlier, "01/01/2026 1 2 3 4 6 2\n");
    PlayerDatabase db(data());
    DrawHistoryStore store(db, data());
    EXPECT_EQ(store.history().draws().size(), 4u);
    EXPECT_TRUE(store.takeNotices().empty());
}

TEST_F(DrawHistoryStoreTest, AnEarlierFileThatCannotBeReadIsTriedAgainAndNeverTakenForEmpty) {
    fs::create_directories(data() + kDrawHistoryFileName); // a folder at its name
    {
        PlayerDatabase db(data());
        DrawHistoryStore store(db, data());
        EXPECT_TRUE(store.add({kMarch14}).saved) << "the database works all the same";
        EXPECT_EQ(store.takeNotices(),
                  std::vector<std::string>{
                      "Le fichier orvane-draws.txt ne peut pas \u00EAtre lu : il est laiss\u00E9 "
                      "tel quel et sera repris d\u00E8s qu'il pourra l'\u00EAtre."});
    }
    fs::remove(data() + kDrawHistoryFileName);
    WriteText(data() + kDrawHistoryFileName, "12/03/2025 2 7 11 25 38 14\n");
    PlayerDatabase db(data());
    DrawHistoryStore store(db, data());
    EXPECT_EQ(store.history().draws(), (std::vector<StoredDraw>{kMarch14, kMarch12}))
        << "taken in once it can be read";
}

TEST_F(DrawHistoryStoreTest, AHistoryThatCannotBeReadIsShownEmptyWithWhyAndNeverWrittenOver) {
    {
        PlayerDatabase db(data());
        DrawHistoryStore store(db, data());
        ASSERT_TRUE(store.add({kMarch12, kFeb2024}).saved);
    }
    const std::string before = FileText(data() + kPlayerDatabaseFileName);
    {
        test::FailingReads failing(kPlayerDatabaseFileName);
        PlayerDatabase db(data());
        DrawHistoryStore store(db, data());
        EXPECT_TRUE(store.history().draws().empty());
        EXPECT_EQ(store.problem(), DatabaseProblem::Unreadable);
        const DrawHistoryStore::Added added = store.add({kMarch14});
        EXPECT_FALSE(added.saved);
        EXPECT_EQ(added.problem, DatabaseProblem::Unreadable);
        EXPECT_EQ(added.counts.added, 0);
    }
    EXPECT_EQ(FileText(data() + kPlayerDatabaseFileName), before);
    PlayerDatabase db(data());
    DrawHistoryStore store(db, data());
    EXPECT_EQ(store.history().draws(), (std::vector<StoredDraw>{kMarch12, kFeb2024}));
}

class DrawHistoryStoreAsPlayer : public DrawHistoryStoreTest {};

// A history file the player may write but not read (mode 0200) is not an empty history.
TEST_F(DrawHistoryStoreAsPlayer, AnEarlierFileThePlayerMayNotReadIsNeverTakenForEmpty) {
    ORVANE_SKIP_AS_ROOT();
    fs::create_directories(data());
    const std::string earlier = data() + kDrawHistoryFileName;
    WriteText(earlier, "12/03/2025 2 7 11 25 38 14\n");
    fs::permissions(earlier, fs::perms::owner_write);
    {
        PlayerDatabase db(data());
        DrawHistoryStore store(db, data());
        EXPECT_TRUE(store.add({kMarch14}).saved);
        EXPECT_EQ(store.takeNotices().size(), 1u);
    }
    fs::permissions(earlier, fs::perms::owner_read | fs::perms::owner_write);
    PlayerDatabase db(data());
    DrawHistoryStore store(db, data());
    EXPECT_EQ(store.history().draws(), (std::vector<StoredDraw>{kMarch14, kMarch12}));
}

} // namespace
} // namespace orvane
