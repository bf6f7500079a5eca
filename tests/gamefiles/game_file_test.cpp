#include "gamefiles/game_file.h"

#include "gamefiles/game_file_test_support.h"

#include <gtest/gtest.h>

namespace orvane::test {
namespace {

TEST(GameRecordBuffer, HoldsTheExampleSelectionInItsFixedLayout) {
    GameRecordBuffer buffer;
    buffer.fill(2, ExampleGrid());
    const Bytes bytes(buffer.bytes().begin(), buffer.bytes().end());

    EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 8), (Bytes{0x03, 0x47, 0x52, 0x49, 2, 0, 0, 0}));
    for (int c = 1; c <= kCellCount; ++c) {
        SCOPED_TRACE(c);
        const int expected = (c == 3 || c == 17 || c == 44) ? 1 : c == 20 ? 2 : 0;
        EXPECT_EQ(Int32At(bytes, CellOffset(c)), expected);
    }
    EXPECT_EQ(Int32At(bytes, 288), 0) << "reserved bytes start zeroed";
}

TEST(GameRecordBuffer, KeepsTheReservedBytesOfTheLastLoadedRecordWhenFilled) {
    GameRecordBuffer buffer;
    GameRecord loaded{};
    const Bytes sample = Record(SelectionGrid{}, 5, 0xEFBEADDE);
    std::copy(sample.begin(), sample.end(), loaded.begin());
    buffer.replace(loaded);

    buffer.fill(-1, ExampleGrid());

    const Bytes bytes(buffer.bytes().begin(), buffer.bytes().end());
    EXPECT_EQ(Bytes(bytes.begin() + 288, bytes.end()), (Bytes{0xDE, 0xAD, 0xBE, 0xEF}));
    EXPECT_EQ(buffer.systemPosition(), -1);
    EXPECT_EQ(buffer.cell(20), kFixed);
}

TEST(GameRecordBuffer, CarriesEveryStoredValueUnchecked) {
    SelectionGrid grid = ExampleGrid();
    grid.setState(60, kSelected); // a cell without a place on screen
    grid.setState(7, -7);         // a value no click produces
    GameRecordBuffer buffer;
    buffer.fill(70, grid);

    SelectionGrid copy;
    buffer.copyCellsInto(copy);
    EXPECT_EQ(copy, grid);
    EXPECT_EQ(buffer.systemPosition(), 70);
}

TEST(GameRecordBuffer, RecognisesOnlyTheExactMagic) {
    struct Case {
        const char* what;
        std::size_t at;
        std::uint8_t value;
    };
    const Case cases[] = {
        {"length byte 4", 0, 4}, {"lower-case g", 1, 'g'}, {"GXI", 2, 'X'}, {"GRJ", 3, 'J'}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Bytes bytes = Record(ExampleGrid(), 0);
        bytes[c.at] = c.value;
        GameRecord record{};
        std::copy(bytes.begin(), bytes.end(), record.begin());
        GameRecordBuffer buffer;
        buffer.replace(record);
        EXPECT_FALSE(buffer.hasMagic());
    }
    GameRecordBuffer buffer;
    buffer.fill(-1, SelectionGrid{});
    EXPECT_TRUE(buffer.hasMagic());
}

TEST(ReadGameRecord, ReadsTheFirstRecordOfFilesLongEnough) {
    const TempFolder folder;
    for (const std::size_t size :
         {std::size_t{0}, std::size_t{291}, std::size_t{292}, std::size_t{400}}) {
        SCOPED_TRACE(size);
        Bytes bytes(size);
        for (std::size_t i = 0; i < size; ++i)
            bytes[i] = static_cast<std::uint8_t>(i * 7);
        WriteBytes(folder.file("game"), bytes);

        const std::optional<GameRecord> record = ReadGameRecord(folder.file("game"));
        ASSERT_EQ(record.has_value(), size >= kGameRecordSize);
        if (record) {
            EXPECT_TRUE(std::equal(record->begin(), record->end(), bytes.begin()));
        }
    }
    EXPECT_FALSE(ReadGameRecord(folder.file("missing")));
    EXPECT_FALSE(ReadGameRecord(folder.path())) << "a folder is no record";
}

TEST(ReadGameRecord, ReadsAFileThatMayNotBeWritten) {
    const TempFolder folder;
    const Bytes bytes = Record(ExampleGrid(), 3);
    WriteBytes(folder.file("game"), bytes);
    const ReadOnlyFile readOnly(folder.file("game"));
    if (!readOnly.refusesWriting())
        std::fprintf(stderr, "note: this file system lets root write the read-only file\n");

    const std::optional<GameRecord> record = ReadGameRecord(folder.file("game"));
    ASSERT_TRUE(record);
    EXPECT_TRUE(std::equal(record->begin(), record->end(), bytes.begin()));
}

TEST(ReadGameRecord, ReadsNothingFromAFifoOrADevice) {
    const TempFolder folder;
    ASSERT_EQ(::mkfifo(folder.file("fifo").c_str(), 0644), 0);
    std::filesystem::create_symlink("/dev/zero", folder.file("device"));
    // Neither waits for a writer nor takes a device's endless zeros for a record.
    EXPECT_FALSE(ReadGameRecord(folder.file("fifo")));
    EXPECT_FALSE(ReadGameRecord(folder.file("device")));
}

TEST(WriteGameRecord, LeavesTheOldFileWholeWhenTheWriteStopsHalfWay) {
    const TempFolder folder;
    const Bytes old = Record(ExampleGrid(), 9, 0x01020304);
    WriteBytes(folder.file("game"), old);
    GameRecordBuffer buffer;
    buffer.fill(1, SelectionGrid{});

    bool written = true;
    {
        const FileSizeLimit limit(100);
        written = WriteGameRecord(folder.file("game"), buffer.bytes());
    }

    EXPECT_FALSE(written);
    EXPECT_EQ(ReadBytes(folder.file("game")), old);
    EXPECT_EQ(FolderContents(folder.path()), std::vector<std::string>{"game"})
        << "no temporary left";
}

} // namespace
} // namespace orvane::test
