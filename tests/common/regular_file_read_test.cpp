// Reading a file whole or not at all: what is missing, unreadable, no regular file or fails
// part-way is said as such, never given as a shorter or empty file.
#include "common/regular_file_read.h"

#include "support/failing_reads.h"
#include "support/player_only.h"
#include "support/special_files.h"
#include "support/temp_folder.h"

#include <array>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <ostream>
#include <string>

namespace orvane {

void PrintTo(ReadFailure failure, std::ostream* out) {
    constexpr const char* kNames[] = {"None", "Missing", "NotReadable", "NotRegularFile",
                                      "ReadFailed"};
    *out << kNames[static_cast<int>(failure)];
}

namespace {

namespace fs = std::filesystem;

void Plant(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

std::string Text(const std::array<std::uint8_t, 200>& bytes, std::size_t size) {
    return std::string(reinterpret_cast<const char*>(bytes.data()), size);
}

TEST(ReadRegularFile, ReadsWhatIsThereAndSaysWhyNothingWasRead) {
    const test::TempFolder folder;
    const std::string text(100, 'd');
    Plant(folder.file("short"), text);
    std::array<std::uint8_t, 200> bytes{};
    const FileRead whole = ReadRegularFile(folder.file("short"), bytes);
    ASSERT_TRUE(whole.ok());
    EXPECT_EQ(Text(bytes, whole.size), text);
    std::array<std::uint8_t, 10> start{};
    EXPECT_EQ(ReadRegularFileStart(folder.file("short"), start), 10u);

    struct Case {
        const char* what;
        std::string path;
        ReadFailure failure;
        int error;
    };
    std::vector<Case> cases = {
        {"nothing of that name", folder.file("missing"), ReadFailure::Missing, ENOENT},
        {"a folder that is not there", folder.file("missing/file"), ReadFailure::Missing, ENOENT},
        {"a file where a folder should be", folder.file("short/file"), ReadFailure::Missing,
         ENOTDIR},
        {"a folder", folder.path(), ReadFailure::NotRegularFile, 0},
    };
    for (const test::SpecialFile& special : test::SpecialFiles()) {
        const std::string path = folder.file(special.what);
        special.make(path);
        cases.push_back({special.what, path, ReadFailure::NotRegularFile, 0});
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const FileRead read = ReadRegularFile(c.path, bytes);
        EXPECT_EQ(read.failure, c.failure);
        EXPECT_EQ(read.error, c.error) << std::strerror(read.error);
        EXPECT_EQ(ReadRegularFileStart(c.path, bytes), std::nullopt);
    }
}

TEST(ReadRegularFile, AReadThatFailsPartWayIsAFailedRead) {
    const test::TempFolder folder;
    Plant(folder.file("damaged"), std::string(100, 'd'));
    // The first read gets the 100 bytes; the next, for the 100 after them, meets the bad block.
    const std::optional<std::string> report = test::ReportWithReadsFailingPartWay(150, [&] {
        std::array<std::uint8_t, 200> bytes{};
        const FileRead read = ReadRegularFile(folder.file("damaged"), bytes);
        std::array<std::uint8_t, 200> again{};
        const std::optional<std::size_t> start =
            ReadRegularFileStart(folder.file("damaged"), again);
        return std::string(read.ok() ? "read " + std::to_string(read.size) + " bytes"
                                     : std::string("failed: ") + std::strerror(read.error)) +
               (start ? ", then read " + std::to_string(*start) : ", then failed again");
    });
    if (!report)
        GTEST_SKIP() << "no system call filter here";
    EXPECT_EQ(*report, std::string("failed: ") + std::strerror(EIO) + ", then failed again");
}

TEST(ReadRegularFileAsPlayer, AFileThePlayerMayWriteButNotReadIsUnreadableNotEmpty) {
    ORVANE_SKIP_AS_ROOT();
    const test::TempFolder folder;
    Plant(folder.file("write-only"), "the player's own bytes");
    ::chmod(folder.file("write-only").c_str(), 0200);
    std::array<std::uint8_t, 200> bytes{};
    const FileRead read = ReadRegularFile(folder.file("write-only"), bytes);
    EXPECT_EQ(read.failure, ReadFailure::NotReadable);
    EXPECT_EQ(read.error, EACCES) << std::strerror(read.error);
    EXPECT_EQ(ReadRegularFileStart(folder.file("write-only"), bytes), std::nullopt);
}

} // namespace
} // namespace orvane
