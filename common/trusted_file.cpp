#include "common/trusted_file.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvane {

namespace {

bool OnlyRootOrPlayerMayChange(const struct stat& st, uid_t player) {
    return (st.st_uid == 0 || st.st_uid == player) && (st.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

} // namespace

FileTrust TrustOfFileIn(const std::string& folder, const std::string& name, uid_t player) {
    const int opened = ::open(folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (opened < 0)
        return FileTrust::Absent;
    struct stat folderStat {};
    struct stat fileStat {};
    const bool folderKnown = ::fstat(opened, &folderStat) == 0;
    const int found = ::fstatat(opened, name.c_str(), &fileStat, AT_SYMLINK_NOFOLLOW);
    const int lookupError = errno;
    ::close(opened);

    if (found != 0)
        return lookupError == ENOENT ? FileTrust::Absent : FileTrust::Refused;
    if (S_ISDIR(fileStat.st_mode))
        return FileTrust::Folder;
    // A link could lead anywhere, and be turned elsewhere once checked.
    if (!S_ISREG(fileStat.st_mode) || !folderKnown ||
        !OnlyRootOrPlayerMayChange(folderStat, player) ||
        !OnlyRootOrPlayerMayChange(fileStat, player))
        return FileTrust::Refused;
    return FileTrust::Trusted;
}

} // namespace orvane
