#include "app/companion.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace orvane {

namespace {

constexpr const char* kProgramName = "VELMORE.EXE";
constexpr const char* kPageName = "VELMORE.HTM";

// A program started on the player's behalf must be one nobody else could have put in place or
// changed: owned by root or the player, and writable by neither the group nor others.
bool OnlyRootOrPlayerMayChange(const struct stat& st, uid_t player) {
    return (st.st_uid == 0 || st.st_uid == player) && (st.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

enum class ProgramEntry { Absent, Trusted, Refused };

// The folder is opened once and the program looked up through it, without following a link, so
// both tests are about the same folder and the same file.
ProgramEntry ProgramEntryIn(const std::string& programFolder, uid_t player) {
    const int folder = ::open(programFolder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0)
        return ProgramEntry::Absent;
    struct stat folderStat {};
    struct stat programStat {};
    const bool folderKnown = ::fstat(folder, &folderStat) == 0;
    const int found = ::fstatat(folder, kProgramName, &programStat, AT_SYMLINK_NOFOLLOW);
    const int lookupError = errno;
    ::close(folder);

    if (found != 0)
        return lookupError == ENOENT ? ProgramEntry::Absent : ProgramEntry::Refused;
    if (S_ISDIR(programStat.st_mode))
        return ProgramEntry::Absent; // a folder of that name is no program
    // A link could lead anywhere, and be turned elsewhere once checked.
    if (!S_ISREG(programStat.st_mode) || !folderKnown ||
        !OnlyRootOrPlayerMayChange(folderStat, player) ||
        !OnlyRootOrPlayerMayChange(programStat, player))
        return ProgramEntry::Refused;
    return ProgramEntry::Trusted;
}

} // namespace

CompanionLaunch CompanionToLaunchFor(const std::string& programFolder, uid_t player) {
    switch (ProgramEntryIn(programFolder, player)) {
    case ProgramEntry::Trusted:
        return {CompanionLaunch::Kind::Program, programFolder + kProgramName};
    case ProgramEntry::Refused:
        // Whoever planted the program must not get the page opened instead either.
        return {};
    case ProgramEntry::Absent:
        break;
    }
    std::error_code ec;
    const std::string page = programFolder + kPageName;
    if (std::filesystem::is_regular_file(page, ec))
        return {CompanionLaunch::Kind::Page, page};
    return {};
}

CompanionLaunch CompanionToLaunch(const std::string& programFolder) {
    return CompanionToLaunchFor(programFolder, ::geteuid());
}

std::string LotteryPageUrl() {
    return std::string(ORVANE_LOTTERY_SITE_URL) + "/thelotteren.php";
}

} // namespace orvane
