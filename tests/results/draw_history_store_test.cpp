// The draws kept: newest first and each once, in a file of the player's data folder that a failed
// save never damages and a damaged one never stops reading.
#include "results/draw_history_store.h"

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

TEST(DrawHistoryFile, WhatIsSavedReadsBackInTheSameOrder) {
    test::TempFolder folder;
    // The data folder is made on the first save, with the folders it lies in.
    const std::string data = folder.path() + "/share/Orvane/";
    DrawHistory history;
    history.add({kMarch12, kMarch12Other, kFeb2024, kNoDate, kMarch14});
    ASSERT_TRUE(SaveDrawHistory(history, data));
    EXPECT_EQ(FileText(data + kDrawHistoryFileName),
              "# Orvane's draw history, newest first: the date (day/month/year) when known,\n"
              "# the five main numbers, then the Thunderball.\n"
              "14/03/2025 3 9 17 22 30 5\n"
              "12/03/2025 1 2 3 4 5 1\n"
              "12/03/2025 2 7 11 25 38 14\n"
              "29/02/2024 8 16 24 32 39 3\n"
              "8 20 29 35 37 6\n");
    EXPECT_EQ(LoadDrawHistory(data).draws(), history.draws());
    EXPECT_TRUE(LoadDrawHistory(folder.path() + "/nothing-here/").draws().empty());
    EXPECT_TRUE(LoadDrawHistory("").draws().empty()) << "no folder named, nothing read";
    EXPECT_FALSE(SaveDrawHistory(history, "")) << "no folder named, nothing written";
}

TEST(DrawHistoryFile, ADamagedFileGivesEveryWholeLineThatIsADraw) {
    test::TempFolder folder;
    const std::string data = folder.path() + "/";
    using namespace std::string_literals;
    WriteText(data + kDrawHistoryFileName, "14/03/2025 3 9 17 22 30 5\n"
                                           "\x01\x02garbage \xFF\xFE\n"
                                           "12/03/2025 2 7 11 25 40 14\n"
                                           "\0\0\0\0\n"s
                                           "29/02/2024 8 16 24 32 39 3\r\n"
                                           "14/03/2025 3 9 17 22 30 5\n"
                                           "8 20 29 35 37 6\n"
                                           "12/03/2025 2 7 11 25 38 1"); // cut short in "14"
    EXPECT_EQ(LoadDrawHistory(data).draws(),
              (std::vector<StoredDraw>{kMarch14, kFeb2024, kNoDate}));

    // A folder, or a device, where the file should be: read as no history, without blocking.
    fs::create_directory(folder.path() + "/folder/");
    fs::create_directory(folder.path() + "/folder/" + kDrawHistoryFileName);
    EXPECT_TRUE(LoadDrawHistory(folder.path() + "/folder/").draws().empty());
    fs::create_directory(folder.path() + "/device/");
    fs::create_symlink("/dev/zero", folder.path() + "/device/" + kDrawHistoryFileName);
    EXPECT_TRUE(LoadDrawHistory(folder.path() + "/device/").draws().empty());
}

// Root writes anywhere permission bits forbid, so the failures are made another way.
TEST(DrawHistoryFile, AFailedSaveLeavesTheOldFileWhole) {
    test::TempFolder folder;
    DrawHistory before;
    before.add({kMarch12});
    DrawHistory after = before;
    after.add({kMarch14});

    // A folder standing at the file's name.
    const std::string blocked = folder.path() + "/blocked/";
    fs::create_directories(blocked + kDrawHistoryFileName);
    EXPECT_FALSE(SaveDrawHistory(after, blocked));
    EXPECT_TRUE(fs::is_directory(blocked + kDrawHistoryFileName));

    // A data folder below a regular file cannot be made.
    WriteText(folder.file("plain-file"), "not a folder");
    EXPECT_FALSE(SaveDrawHistory(after, folder.file("plain-file") + "/Orvane/"));
    EXPECT_EQ(FileText(folder.file("plain-file")), "not a folder");

    // A save killed half-way leaves the draws saved before.
    const std::string data = folder.path() + "/data/";
    ASSERT_TRUE(SaveDrawHistory(before, data));
    const std::string oldText = FileText(data + kDrawHistoryFileName);
    std::string newText = EncodeDrawHistory(after);
    newText += std::string(64 * 1024, '#'); // long enough for the kill to land mid-write
    ASSERT_TRUE(test::SaveKilledHalfWay(data + kDrawHistoryFileName,
                                        std::vector<std::uint8_t>(newText.begin(), newText.end())));
    EXPECT_EQ(FileText(data + kDrawHistoryFileName), oldText);
    EXPECT_EQ(LoadDrawHistory(data).draws(), before.draws());
}

TEST(DrawHistoryStore, ReadsOnFirstUseAndKeepsWhatAFailedSaveCouldNotWrite) {
    test::TempFolder folder;
    const std::string data = folder.path() + "/data/";
    DrawHistory kept;
    kept.add({kMarch12});
    ASSERT_TRUE(SaveDrawHistory(kept, data));

    DrawHistoryStore store(data);
    EXPECT_EQ(store.history().draws(), kept.draws());

    // The file replaced by a folder: the draws added stay for the run, the next save retries.
    const std::string oldText = FileText(data + kDrawHistoryFileName);
    fs::rename(data + kDrawHistoryFileName, folder.file("aside"));
    fs::create_directory(data + kDrawHistoryFileName);
    DrawHistoryStore::Added added = store.add({kMarch14, kMarch12});
    EXPECT_FALSE(added.saved);
    EXPECT_EQ(added.counts.added, 1);
    EXPECT_EQ(added.counts.alreadyThere, 1);
    EXPECT_EQ(store.history().draws(), (std::vector<StoredDraw>{kMarch14, kMarch12}));

    fs::remove(data + kDrawHistoryFileName);
    fs::rename(folder.file("aside"), data + kDrawHistoryFileName);
    added = store.add({kMarch12});
    EXPECT_EQ(added.counts.added, 0);
    EXPECT_TRUE(added.saved);
    EXPECT_EQ(LoadDrawHistory(data).draws(), (std::vector<StoredDraw>{kMarch14, kMarch12}))
        << "the draw the failed save left out is written with the next import";
    EXPECT_NE(FileText(data + kDrawHistoryFileName), oldText);
}

} // namespace
} // namespace orvane
