#pragma once
// What may stand at a file's name without being a regular file, for the tests that the program
// leaves such things alone: neither blocks on them nor replaces them.

#include <filesystem>
#include <functional>
#include <sys/stat.h>
#include <vector>

namespace orvane::test {

struct SpecialFile {
    const char* what;
    std::function<void(const std::filesystem::path&)> make;
    // Whether it still stands there as it was made.
    std::function<bool(const std::filesystem::path&)> stillThere;
};

inline std::vector<SpecialFile> SpecialFiles() {
    namespace fs = std::filesystem;
    return {
        {"FIFO", [](const fs::path& p) { ::mkfifo(p.c_str(), 0644); },
         [](const fs::path& p) { return fs::is_fifo(fs::symlink_status(p)); }},
        {"link to a device", [](const fs::path& p) { fs::create_symlink("/dev/zero", p); },
         [](const fs::path& p) { return fs::is_symlink(p) && fs::read_symlink(p) == "/dev/zero"; }},
    };
}

} // namespace orvane::test
