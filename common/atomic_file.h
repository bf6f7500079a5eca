#pragma once
// Replacing a file so that a failure at any point leaves the old file as it was.

#include <cstddef>
#include <cstdint>
#include <string>

namespace orvane {

// Why a file was not written.
enum class WriteFailure {
    None,
    NotRegularFile, // a folder, a FIFO, a device or a socket: left alone, unopened
    NotWritable,    // neither the file nor its folder may be written, or the disk is read-only
    FolderMissing,  // the folder it goes in is not there, or something on the way is no folder
    BrokenLink,     // a symbolic link on the way cannot be read, or the links go round in a loop
    WriteFailed,    // anything else the system refused: the disk full, a size limit, a long name
};

struct [[nodiscard]] WriteResult {
    WriteFailure failure = WriteFailure::None;
    int error = 0; // errno of the call that failed; 0 when the file was refused without a call

    bool ok() const { return failure == WriteFailure::None; }
};

// Writes `size` bytes as the whole content of the regular file at `path`, creating it if need be;
// a symbolic link is written through to its target and stays a link. Where the target's folder
// allows it, the bytes go to a hidden temporary file there that is then renamed over the target,
// so a failure or a crash leaves the old file whole; a file that may be written in a folder that
// may not is overwritten in place instead, once the room for the new content is made, so a full
// disk still leaves it whole (a crash half-way does not). A replaced file keeps its permission
// bits.
//
// Fails, leaving everything as it was, when the target may not be written or is anything but a
// regular file (a folder, a FIFO, a device). On the way it removes the temporary files that saves
// killed half-way left in that folder, never one a running save still holds.
WriteResult WriteFileAtomically(const std::string& path, const std::uint8_t* data,
                                std::size_t size);

} // namespace orvane
