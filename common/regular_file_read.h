#pragma once
// Reading the start of a file that must be a regular file, without ever waiting on a FIFO or a
// device that stands in its place.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace orvane {

// Reads up to `into.size()` bytes from the start of the regular file at `path` (a symbolic link
// is followed) and returns how many it read: fewer when the file is shorter or a read fails
// part-way. Nothing when the file cannot be opened or is not a regular file (a folder, a FIFO, a
// device, a socket); such a file is never read from, and opening it never blocks.
std::optional<std::size_t> ReadRegularFileStart(const std::string& path,
                                                std::span<std::uint8_t> into);

} // namespace orvane
