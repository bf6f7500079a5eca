#include "app/atomic_file.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace orvane {
namespace {

namespace fs = std::filesystem;

TEST(AtomicFile, ReplacesTheOldContentWhole) {
    const fs::path dir =
        fs::temp_directory_path() / ("orvane-atomic-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const fs::path path = dir / "game";
    std::ofstream(path) << "a much longer old content than the new one";
    const std::uint8_t data[] = {1, 2, 3};
    ASSERT_TRUE(WriteFileAtomically(path.string(), data, sizeof data));
    EXPECT_EQ(fs::file_size(path), 3u);
    std::size_t entries = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir))
        ++entries;
    EXPECT_EQ(entries, 1u);
    fs::remove_all(dir);
}

TEST(AtomicFile, MissingFolderFails) {
    const std::uint8_t data[] = {1};
    EXPECT_FALSE(WriteFileAtomically("/nonexistent-orvane-folder/file", data, sizeof data));
}

} // namespace
} // namespace orvane
