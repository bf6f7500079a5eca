#include "fuzz_support.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace orvane::fuzz {

void WriteSeedsIfAsked(const std::vector<Bytes>& seeds) {
    const char* folder = std::getenv("ORVANE_FUZZ_SEEDS");
    if (folder == nullptr)
        return;
    std::filesystem::create_directories(folder);
    for (std::size_t i = 0; i < seeds.size(); ++i) {
        const std::string path = std::string(folder) + "/seed-" + std::to_string(i);
        WriteFile(path, seeds[i].data(), seeds[i].size());
    }
    std::exit(0);
}

const std::string& ScratchFolder() {
    static const std::string folder = [] {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "orvane-fuzz-XXXXXX").string();
        Require(::mkdtemp(pattern.data()) != nullptr, "a scratch folder can be made");
        return pattern + "/";
    }();
    return folder;
}

void WriteFile(const std::string& path, const std::uint8_t* data, std::size_t size) {
    // A new file each time: ext4 flushes a file cut to nothing and written again on close, which
    // would make the file harnesses a hundred times slower.
    std::filesystem::remove(path);
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    Require(static_cast<bool>(out), "the input file can be written");
}

void Require(bool holds, const char* what) {
    if (holds)
        return;
    std::fprintf(stderr, "broken: %s\n", what);
    std::abort();
}

void AppendInt32(Bytes& bytes, std::int32_t value) {
    const auto u = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i)
        bytes.push_back(static_cast<std::uint8_t>(u >> (8 * i)));
}

std::int32_t Int32At(const std::uint8_t* bytes) {
    std::uint32_t u = 0;
    for (int i = 0; i < 4; ++i)
        u |= static_cast<std::uint32_t>(bytes[i]) << (8 * i);
    return static_cast<std::int32_t>(u);
}

} // namespace orvane::fuzz
