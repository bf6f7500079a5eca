#pragma once
// Replacing a file so that a failure at any point leaves the old file as it was.

#include <cstddef>
#include <cstdint>
#include <string>

namespace orvane {

// Writes `size` bytes to a temporary file in the folder of `path`, flushes it to disk, then
// renames it over `path`. On failure the temporary file is removed, `path` is untouched, and the
// result is false.
bool WriteFileAtomically(const std::string& path, const std::uint8_t* data, std::size_t size);

} // namespace orvane
