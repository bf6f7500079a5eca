#pragma once
// Files the program runs or loads into itself from its own folder: they must be ones nobody but
// root and the player could have put in place or changed.

#include <string>
#include <sys/types.h>

namespace orvane {

enum class FileTrust {
    Absent,  // nothing of that name, or the folder cannot be opened
    Folder,  // a folder of that name: no file at all
    Trusted, // a regular file (not a link), it and its folder owned by root or the player and
             // writable by neither their group nor others
    Refused, // anything else: a link, a FIFO, someone else's file or folder, one others may write
};

// What `name` in `folder` is, for the player with the user id `player`. The folder is opened once
// and the file looked up through it without following a link, so both tests are about the same
// folder and the same file.
FileTrust TrustOfFileIn(const std::string& folder, const std::string& name, uid_t player);

} // namespace orvane
