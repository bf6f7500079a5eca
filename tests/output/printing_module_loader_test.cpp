// The printing module runs as the player inside the program: it is loaded from the folder given,
// by its full path, only when nobody but root and the player could have put it there or changed
// it, and a module refused is never opened.
#include "output/printing_module.h"

#include "support/temp_folder.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace orvane {
namespace {

namespace fs = std::filesystem;

// Whether the file at `path` is mapped into this process.
bool Mapped(const std::string& path) {
    std::ifstream maps("/proc/self/maps");
    for (std::string line; std::getline(maps, line);)
        if (line.ends_with(" " + path))
            return true;
    return false;
}

TEST(PrintingModuleLoader, LoadsOnlyAModuleNobodyElseCouldHavePlanted) {
    const test::TempFolder scratch;
    ::chmod(scratch.path().c_str(), 0755);
    enum class Module { Copy, GroupWritable, OthersWritable, Link, Absent, Folder, Others };
    struct Case {
        const char* what;
        mode_t folderMode;
        Module module;
        bool loaded;
        std::string whyNot; // its end, after the module's path
    };
    const std::string refused =
        " was refused: it must be a file, not a link, and both it and its folder must belong to "
        "root or to you and be writable by neither their group nor others";
    std::vector<Case> cases = {
        {"a copy of the module in a folder of the player's", 0755, Module::Copy, true, ""},
        {"in a folder others may write", 0777, Module::Copy, false, refused},
        {"in a folder its group may write", 0775, Module::Copy, false, refused},
        {"in a folder open to all with the sticky bit", 01777, Module::Copy, false, refused},
        {"a module its group may write", 0755, Module::GroupWritable, false, refused},
        {"a module others may write", 0755, Module::OthersWritable, false, refused},
        {"a link to a good module", 0755, Module::Link, false, refused},
        {"no module", 0755, Module::Absent, false, " is missing"},
        {"a folder of the module's name", 0755, Module::Folder, false, " is a folder"},
    };
    if (::geteuid() == 0)
        cases.push_back({"a module someone else owns", 0755, Module::Others, false, refused});

    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const fs::path folder = scratch.file("folder" + std::to_string(++n));
        fs::create_directory(folder);
        const fs::path module = folder / kPrintingModuleFile;
        const fs::path good = scratch.file("good" + std::to_string(n));
        switch (c.module) {
        case Module::Copy:
        case Module::GroupWritable:
        case Module::OthersWritable:
        case Module::Others:
            fs::copy_file(ORVANE_PRINTING_MODULE, module);
            ::chmod(module.c_str(), c.module == Module::GroupWritable    ? 0775
                                    : c.module == Module::OthersWritable ? 0757
                                                                         : 0755);
            if (c.module == Module::Others) {
                ASSERT_EQ(::chown(module.c_str(), 4343, 4343), 0);
            }
            break;
        case Module::Link:
            fs::copy_file(ORVANE_PRINTING_MODULE, good);
            fs::create_symlink(good, module);
            break;
        case Module::Folder:
            fs::create_directory(module);
            break;
        case Module::Absent:
            break;
        }
        ::chmod(folder.c_str(), c.folderMode);

        std::string whyNot;
        const PrintingModule* loaded =
            LoadPrintingModuleFrom(folder.string(), ::geteuid(), &whyNot);
        EXPECT_EQ(loaded != nullptr, c.loaded) << whyNot;
        EXPECT_EQ(Mapped(module.string()), c.loaded) << "opened only when trusted";
        EXPECT_FALSE(Mapped(good.string()));
        if (!c.loaded) {
            EXPECT_EQ(whyNot, module.string() + c.whyNot);
        }
        ::chmod(folder.c_str(), 0755);
    }
}

} // namespace
} // namespace orvane
