#include "common/program_folder.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(ProgramFolder, EndsWithTheSeparatorBeforeTheExecutableName) {
    const struct {
        const char* path;
        const char* folder;
    } cases[] = {
        {"/opt/orvane/orvane", "/opt/orvane/"},
        {"/orvane", "/"},
        {"/a/b/c/orvane.bin", "/a/b/c/"},
        {"C:ORVANE.EXE", "C:"},
        // The scan starts at the next-to-last character, so a trailing separator is skipped.
        {"/opt/orvane/", "/opt/"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(ProgramFolderOf(c.path), c.folder);
    }
}

} // namespace
} // namespace orvane
