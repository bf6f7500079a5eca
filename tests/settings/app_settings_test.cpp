#include "settings/app_settings.h"

#include "support/special_files.h"
#include "support/temp_folder.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <vector>

namespace orvane {
namespace {

namespace fs = std::filesystem;

class SettingsFileTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_FALSE(m_temp.path().empty()); }

    std::string folder() const { return m_folder.string() + "/"; }
    fs::path file() const { return m_folder / kParametersFileName; }

    void writeFile(const std::vector<std::uint8_t>& bytes) const {
        std::ofstream out(file(), std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
    }
    std::vector<std::uint8_t> readFile() const {
        std::ifstream in(file(), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

  private:
    const test::TempFolder m_temp;
    const fs::path m_folder{m_temp.path()};
};

std::vector<std::uint8_t> bytesOf(std::initializer_list<std::int32_t> fields) {
    std::vector<std::uint8_t> bytes;
    for (std::int32_t f : fields)
        for (int i = 0; i < 4; ++i)
            bytes.push_back(static_cast<std::uint8_t>(static_cast<std::uint32_t>(f) >> (8 * i)));
    return bytes;
}

TEST(SettingsRecord, FiveLittleEndianFieldsInOrder) {
    const AppSettings s{0x01020304, 2, -3, 7, 1};
    const SettingsRecord r = EncodeSettings(s);
    const std::vector<std::uint8_t> expected = bytesOf({0x01020304, 2, -3, 7, 1});
    EXPECT_EQ(std::vector<std::uint8_t>(r.begin(), r.end()), expected);
    EXPECT_EQ(r[0], 0x04); // least significant byte first
}

TEST_F(SettingsFileTest, MissingFileGivesTheDefaults) {
    AppSettings s;
    LoadSettings(s, folder());
    EXPECT_EQ(s, (AppSettings{0, 1, 0, 0, 1}));
}

TEST_F(SettingsFileTest, ReadsWhatTheFileHolds) {
    struct Case {
        const char* name;
        std::vector<std::uint8_t> bytes;
        AppSettings expected;
    };
    std::vector<std::uint8_t> longer = bytesOf({9, 1, 4, -5, 2, 77, 88});
    std::vector<std::uint8_t> sevenBytes = bytesOf({9, 1});
    sevenBytes.pop_back();
    const Case cases[] = {
        {"exact record", bytesOf({9, 1, 4, -5, 2}), {9, 1, 4, -5, 2}},
        {"28 bytes: only the first 20 count", longer, {9, 1, 4, -5, 2}},
        {"empty file leaves every field", {}, {0, 0, 0, 0, 0}},
        {"short file keeps the fields read", bytesOf({9, 1, 4}), {9, 1, 4, 0, 0}},
        {"a field cut short keeps the bytes read", sevenBytes, {9, 1, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        writeFile(c.bytes);
        AppSettings s;
        LoadSettings(s, folder());
        EXPECT_EQ(s, c.expected);
    }
}

TEST_F(SettingsFileTest, UnreadableFileIsSilentAndLeavesTheFields) {
    fs::create_directory(file()); // a folder where the file should be cannot be read as one
    AppSettings s{0, 0, 5, 6, 0};
    LoadSettings(s, folder());
    EXPECT_EQ(s, (AppSettings{0, 0, 5, 6, 0}));
}

TEST_F(SettingsFileTest, AFifoOrADeviceIsAFileThatCannotBeReadOrWritten) {
    for (const test::SpecialFile& c : test::SpecialFiles()) {
        SCOPED_TRACE(c.what);
        fs::remove(file());
        c.make(file());

        AppSettings s{1, 2, 5, 6, 2};
        LoadSettings(s, folder());
        EXPECT_EQ(s, (AppSettings{1, 2, 5, 6, 2})) << "neither blocked nor read";
        EXPECT_FALSE(SaveSettings({0, 2, 3, 0, 1}, folder()));
        EXPECT_TRUE(c.stillThere(file()));
    }
}

TEST_F(SettingsFileTest, SaveWritesExactlyTwentyBytesOverALongerFile) {
    writeFile(bytesOf({9, 1, 4, -5, 2, 77, 88}));
    ASSERT_TRUE(SaveSettings({9, 2, 3, 0, 1}, folder()));
    EXPECT_EQ(readFile(), bytesOf({9, 2, 3, 0, 1}));
    AppSettings back;
    LoadSettings(back, folder());
    EXPECT_EQ(back, (AppSettings{9, 2, 3, 0, 1}));
}

TEST_F(SettingsFileTest, FailedSaveReportsAndLeavesNoFileBehind) {
    // A regular file standing where the folder should be: nothing can be created below it.
    const fs::path notAFolder = file().parent_path() / "plain";
    std::ofstream(notAFolder) << "x";
    EXPECT_FALSE(SaveSettings({0, 2, 0, 0, 1}, notAFolder.string() + "/"));

    // A folder standing where the file should be cannot be replaced, and no temporary file stays.
    fs::create_directory(file());
    EXPECT_FALSE(SaveSettings({0, 2, 0, 0, 1}, folder()));
    EXPECT_TRUE(fs::is_directory(file()));
    int entries = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(file().parent_path()))
        ++entries;
    EXPECT_EQ(entries, 2); // the folder and the plain file: no leftover temporary
}

} // namespace
} // namespace orvane
