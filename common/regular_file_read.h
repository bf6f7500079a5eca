#pragma once
// Reading the start of a file that must be a regular file, without ever waiting on a FIFO or a
// device that stands in its place.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace orvane {

// Why a file was not read.
enum class ReadFailure {
    None,
    Missing,        // nothing of that name, or a folder on the way is not there
    NotReadable,    // there, but the player may not read it (a file of mode 0200, say)
    NotRegularFile, // a folder, a FIFO, a device or a socket: never read from
    ReadFailed,     // the system failed a read (EIO from a failing disk): nothing read counts
};

struct [[nodiscard]] FileRead {
    ReadFailure failure = ReadFailure::None;
    std::size_t size = 0; // the bytes read, when the read succeeded
    int error = 0;        // errno of the call that failed; 0 when the file was refused without one

    bool ok() const { return failure == ReadFailure::None; }
};

// Reads up to `into.size()` bytes from the start of the regular file at `path` (a symbolic link
// is followed): fewer only when the file is shorter. A read that fails part-way is a failure, never
// a shorter file, so a caller cannot take part of a file for the whole. A file that is not a
// regular file (a folder, a FIFO, a device, a socket) is never read from, and opening it never
// blocks.
FileRead ReadRegularFile(const std::string& path, std::span<std::uint8_t> into);

// The same, for callers that only need to know whether it worked: the bytes read, or nothing when
// the file is missing, unreadable, not a regular file or failed part-way.
std::optional<std::size_t> ReadRegularFileStart(const std::string& path,
                                                std::span<std::uint8_t> into);

} // namespace orvane
