#pragma once
// Replacing a file so that a failure at any point leaves the old file as it was.

#include <cstddef>
#include <cstdint>
#include <memory>
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

// The same replacement, for content that code taking only a file name writes (Qt's PDF writer):
// that code writes to path(), a hidden temporary beside the target, and commit() then puts it in
// the target's place as WriteFileAtomically does. Where the folder takes no temporary but the file
// may be written, path() names a file held in memory instead, which commit() writes over the file
// in place. Until commit(), the target is untouched; a replacement discarded, or destroyed without
// commit(), leaves nothing behind, and one whose program dies leaves a temporary the next save in
// that folder removes.
class FileReplacement {
  public:
    explicit FileReplacement(const std::string& target);
    ~FileReplacement();
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    // Where to write the new content; empty when the target cannot be written, or once finished.
    const std::string& path() const;
    // Why the target cannot be written; ok() when it can.
    WriteResult failure() const;
    // How many bytes have been written to path() so far.
    std::uintmax_t size() const;
    // Puts what path() holds in the target's place, and finishes.
    WriteResult commit();
    // Removes what was written, leaving the target as it was, and finishes.
    void discard();

  private:
    struct State;
    std::unique_ptr<State> m_state;
};

} // namespace orvane
