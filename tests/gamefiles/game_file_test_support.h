#pragma once
// Files for the game file tests: the example selection, raw records and file access helpers.

#include "app/session.h"
#include "gamefiles/game_file.h"
#include "support/file_size_limit.h"
#include "support/temp_folder.h"

#include <algorithm>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <linux/fs.h>
#include <string>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace orvane::test {

using Bytes = std::vector<std::uint8_t>;

inline Bytes ReadBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const std::string& path, const Bytes& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

inline void PutInt32(Bytes& bytes, std::size_t offset, std::int32_t value) {
    for (std::size_t i = 0; i < 4; ++i)
        bytes[offset + i] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(value) >> (8 * i));
}

inline std::int32_t Int32At(const Bytes& bytes, std::size_t offset) {
    std::uint32_t u = 0;
    for (std::size_t i = 0; i < 4; ++i)
        u |= static_cast<std::uint32_t>(bytes[offset + i]) << (8 * i);
    return static_cast<std::int32_t>(u);
}

inline std::size_t CellOffset(int cell) {
    return 8 + 4 * static_cast<std::size_t>(cell - 1);
}

// The example selection: 3 and 17 selected, 20 fixed, Thunderball 5 (cell 44) selected.
inline SelectionGrid ExampleGrid() {
    SelectionGrid grid;
    for (int c : {3, 17, 44})
        grid.setState(c, kSelected);
    grid.setState(20, kFixed);
    return grid;
}

// A well-formed record holding `grid`, list position `position` and the given reserved bytes.
inline Bytes Record(const SelectionGrid& grid, int position, std::uint32_t reserved = 0) {
    Bytes bytes(kGameRecordSize, 0);
    bytes[0] = 3;
    bytes[1] = 'G';
    bytes[2] = 'R';
    bytes[3] = 'I';
    PutInt32(bytes, 4, position);
    for (int c = 1; c <= kCellCount; ++c)
        PutInt32(bytes, CellOffset(c), grid.state(c));
    PutInt32(bytes, 288, static_cast<std::int32_t>(reserved));
    return bytes;
}

inline std::vector<std::string> FolderContents(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// Makes a file read-only for everyone, root included where the file system allows it (the
// immutable attribute), and gives it back its rights at the end so it can be removed.
class ReadOnlyFile {
  public:
    explicit ReadOnlyFile(std::string path) : m_path(std::move(path)) {
        ::chmod(m_path.c_str(), 0444);
        m_immutable = setImmutable(true);
    }
    ~ReadOnlyFile() {
        if (m_immutable)
            setImmutable(false);
        ::chmod(m_path.c_str(), 0644);
    }
    ReadOnlyFile(const ReadOnlyFile&) = delete;
    ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

    // Whether opening the file for writing fails now, as it does for a player's read-only file.
    bool refusesWriting() const {
        const int fd = ::open(m_path.c_str(), O_RDWR);
        if (fd >= 0)
            ::close(fd);
        return fd < 0;
    }

  private:
    bool setImmutable(bool on) {
        const int fd = ::open(m_path.c_str(), O_RDONLY);
        if (fd < 0)
            return false;
        int flags = 0;
        bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
        if (ok) {
            flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
            ok = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        }
        ::close(fd);
        return ok;
    }

    std::string m_path;
    bool m_immutable = false;
};

} // namespace orvane::test
