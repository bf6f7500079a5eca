#include "common/atomic_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace orvane {

namespace {

namespace fs = std::filesystem;

// Temporary files are hidden, so no file list shows them, and their names are short, so any name
// the file system accepts for the target can be saved. The prefix tells ours from anyone else's.
constexpr std::string_view kTemporaryPrefix = ".orvane-";
constexpr std::string_view kTemporarySuffix = ".tmp";
constexpr std::size_t kTemporaryLetters = 6;
constexpr std::string_view kLetters =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";

// As many links as the kernel itself follows before it gives up.
constexpr int kMostLinksFollowed = 40;

class Descriptor {
  public:
    explicit Descriptor(int fd = -1) : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(Descriptor&& other) noexcept : m_fd(other.m_fd) { other.m_fd = -1; }
    Descriptor& operator=(Descriptor&& other) noexcept {
        std::swap(m_fd, other.m_fd);
        return *this;
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int get() const { return m_fd; }
    explicit operator bool() const { return m_fd >= 0; }

  private:
    int m_fd;
};

Descriptor openFile(const fs::path& path, int flags, mode_t mode = 0) {
    return Descriptor(::open(path.c_str(), flags | O_CLOEXEC | O_NOCTTY | O_NOFOLLOW, mode));
}

bool writeAll(int fd, const std::uint8_t* data, std::size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

// Whether `path` still names the file open as `fd`: someone may have removed or replaced it.
bool namesOpenFile(const fs::path& path, int fd) {
    struct stat opened {};
    struct stat named {};
    return ::fstat(fd, &opened) == 0 && ::lstat(path.c_str(), &named) == 0 &&
           opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
}

bool isTemporaryName(std::string_view name) {
    if (name.size() != kTemporaryPrefix.size() + kTemporaryLetters + kTemporarySuffix.size() ||
        !name.starts_with(kTemporaryPrefix) || !name.ends_with(kTemporarySuffix))
        return false;
    return name.substr(kTemporaryPrefix.size(), kTemporaryLetters).find_first_not_of(kLetters) ==
           std::string_view::npos;
}

fs::path temporaryName(const fs::path& folder) {
    static std::mt19937 random{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> letter(0, kLetters.size() - 1);
    std::string name(kTemporaryPrefix);
    for (std::size_t i = 0; i < kTemporaryLetters; ++i)
        name += kLetters[letter(random)];
    name += kTemporarySuffix;
    return folder / name;
}

// Where a write to `path` lands: symbolic links followed to the file they name, which need not
// exist yet. Nothing when a link cannot be read or the links go round in a loop; `error` says why.
std::optional<fs::path> followLinks(fs::path path, std::error_code& error) {
    for (int followed = 0; followed <= kMostLinksFollowed; ++followed) {
        // What is no link, or cannot be looked at, is the caller's to tell apart.
        std::error_code unseen;
        if (fs::symlink_status(path, unseen).type() != fs::file_type::symlink)
            return path;
        const fs::path target = fs::read_symlink(path, error);
        if (error)
            return std::nullopt;
        path = path.parent_path() / target; // an absolute target replaces the whole path
    }
    error = std::make_error_code(std::errc::too_many_symbolic_link_levels);
    return std::nullopt;
}

fs::path folderOf(const fs::path& file) {
    return file.has_parent_path() ? file.parent_path() : fs::path(".");
}

// Removes the temporaries of saves that died half-way. A save holds a lock on its temporary
// until it is renamed, so a locked one belongs to a save running right now, here or in another
// program, and stays.
void removeStaleTemporaries(const fs::path& folder) {
    std::vector<fs::path> candidates;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
        if (isTemporaryName(it->path().filename().native()))
            candidates.push_back(it->path());

    for (const fs::path& candidate : candidates) {
        const Descriptor fd = openFile(candidate, O_RDONLY | O_NONBLOCK);
        struct stat st {};
        if (!fd || ::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode))
            continue;
        if (::flock(fd.get(), LOCK_EX | LOCK_NB) == 0 && namesOpenFile(candidate, fd.get()))
            ::unlink(candidate.c_str());
    }
}

// A new temporary file in `folder`, locked for as long as it is open. On failure `error` says why.
Descriptor createTemporary(const fs::path& folder, mode_t mode, fs::path& name, int& error) {
    constexpr int kAttempts = 100;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        name = temporaryName(folder);
        Descriptor fd = openFile(name, O_RDWR | O_CREAT | O_EXCL, mode);
        if (!fd) {
            if (errno == EEXIST)
                continue;
            error = errno;
            return Descriptor();
        }
        // Between the creation and the lock, another save may have taken the new file for a dead
        // one's and be removing it: then this one takes another name. A file system without
        // locks still gets its file saved.
        const bool locked = ::flock(fd.get(), LOCK_EX | LOCK_NB) == 0;
        if (!locked && errno != EWOULDBLOCK)
            return fd;
        if (locked && namesOpenFile(name, fd.get()))
            return fd;
    }
    error = EEXIST;
    return Descriptor();
}

// The new file takes the old one's permission bits, and its owner and group as far as this
// process may give them: only root gives a file away, anyone may give it one of their groups, and
// failing both it stays the saver's own, as any file it creates. The bits come last since a
// change of owner clears the set-id ones.
bool takeOwnerAndMode(int fd, const struct stat& old) {
    [[maybe_unused]] const bool ownershipKept =
        ::fchown(fd, old.st_uid, old.st_gid) == 0 ||
        ::fchown(fd, static_cast<uid_t>(-1), old.st_gid) == 0;
    return ::fchmod(fd, old.st_mode & 07777) == 0;
}

// What a failed call's errno says of the write.
WriteResult failedWith(int error) {
    switch (error) {
    case EACCES:
    case EPERM:
    case EROFS:
    case ETXTBSY:
        return {WriteFailure::NotWritable, error};
    case ENOENT:
    case ENOTDIR:
        return {WriteFailure::FolderMissing, error};
    case ELOOP:
        return {WriteFailure::BrokenLink, error};
    case EISDIR:
        return {WriteFailure::NotRegularFile, error};
    default:
        return {WriteFailure::WriteFailed, error};
    }
}

struct Replacement {
    enum Outcome { Done, FolderRefuses, Failed } outcome;
    int error = 0; // errno of the call that failed
};

// Puts the complete temporary in the target's place, with the old file's owner and mode.
Replacement finishReplacement(int fd, const fs::path& temporary, const fs::path& target,
                              const struct stat* old) {
    const bool complete = (!old || takeOwnerAndMode(fd, *old)) && ::fsync(fd) == 0;
    if (complete && std::rename(temporary.c_str(), target.c_str()) == 0)
        return {Replacement::Done};
    const int error = errno;
    // A folder with the sticky bit lets only a file's owner replace it.
    if (complete && (error == EPERM || error == EACCES))
        return {Replacement::FolderRefuses, error};
    return {Replacement::Failed, error};
}

Replacement replaceThroughTemporary(const fs::path& target, const struct stat* old,
                                    const std::uint8_t* data, std::size_t size) {
    fs::path temporary;
    int error = 0;
    // A new file gets the usual permissions through the umask; a replacement stays private until
    // it has the old file's.
    const Descriptor fd = createTemporary(folderOf(target), old ? 0600 : 0666, temporary, error);
    if (!fd)
        return {error == EACCES || error == EPERM ? Replacement::FolderRefuses
                                                  : Replacement::Failed,
                error};
    const Replacement replacement = writeAll(fd.get(), data, size)
                                        ? finishReplacement(fd.get(), temporary, target, old)
                                        : Replacement{Replacement::Failed, errno};
    if (replacement.outcome != Replacement::Done)
        ::unlink(temporary.c_str());
    return replacement;
}

// Extends the file to `size` bytes with zeros written past its end, for file systems that cannot
// reserve space: the old bytes are never touched. False, with errno set, when they do not fit.
bool extendWithZeros(int fd, off_t oldSize, off_t size) {
    static constexpr std::uint8_t kZeros[65536] = {};
    for (off_t at = oldSize; at < size;) {
        const std::size_t chunk =
            static_cast<std::size_t>(std::min<off_t>(size - at, static_cast<off_t>(sizeof kZeros)));
        const ssize_t n = ::pwrite(fd, kZeros, chunk, at);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = ENOSPC;
            return false;
        }
        at += n;
    }
    // A network file system may only find out at this point that the space is not there.
    return ::fsync(fd) == 0;
}

// Makes room for `size` bytes before a single old byte is overwritten, so a disk that cannot take
// the new content (full, over a quota or a size limit) leaves the old file as it was. On failure
// the file is cut back to its old length and errno says why.
bool reserveInPlace(int fd, off_t oldSize, std::size_t size) {
    // A file size limit (ulimit -f) stops every write past it, even one over old bytes.
    rlimit limit{};
    if (::getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY &&
        static_cast<std::uintmax_t>(size) > static_cast<std::uintmax_t>(limit.rlim_cur)) {
        errno = EFBIG;
        return false;
    }
    if (static_cast<std::uintmax_t>(size) <= static_cast<std::uintmax_t>(oldSize))
        return true;
    if (size > static_cast<std::size_t>(std::numeric_limits<off_t>::max())) {
        errno = EFBIG;
        return false;
    }
    const auto newSize = static_cast<off_t>(size);
    int error = 0;
    while (::fallocate(fd, 0, oldSize, newSize - oldSize) != 0 && (error = errno) == EINTR)
        error = 0;
    // Some file systems cannot reserve space: the zeros are written instead.
    if (error == EOPNOTSUPP)
        error = extendWithZeros(fd, oldSize, newSize) ? 0 : errno;
    if (error == 0)
        return true;
    // A reservation that failed half-way may have lengthened the file with zeros.
    static_cast<void>(::ftruncate(fd, oldSize));
    errno = error;
    return false;
}

// The last resort, when the folder takes no temporary: the file itself is overwritten. A crash
// half-way through still spoils it, but a disk too small for the new content does not.
bool overwriteInPlace(int fd, off_t oldSize, const std::uint8_t* data, std::size_t size) {
    if (!reserveInPlace(fd, oldSize, size))
        return false;
    // Writing over the old bytes before cutting the rest keeps the file whole as long as possible.
    return ::lseek(fd, 0, SEEK_SET) == 0 && writeAll(fd, data, size) &&
           ::ftruncate(fd, static_cast<off_t>(size)) == 0 && ::fsync(fd) == 0;
}

// The file a save replaces: where it lands once links are followed, and the old file there.
struct Target {
    fs::path path;
    struct stat old {};
    Descriptor existing; // the old file open for writing; none when there is no old file
};

// Where a save of `path` lands, links followed, and the old file there, open for writing, if there
// is one. Anything but a regular file is left alone, unopened: opening a FIFO or a device may block
// or act on the device. Opening a regular file for writing tests whether it may be written.
WriteResult findTarget(const std::string& path, Target& target) {
    std::error_code linkError;
    const std::optional<fs::path> followed = followLinks(path, linkError);
    if (!followed)
        return {WriteFailure::BrokenLink, linkError.value()};
    target.path = *followed;
    if (::lstat(target.path.c_str(), &target.old) == 0) {
        if (!S_ISREG(target.old.st_mode))
            return {WriteFailure::NotRegularFile};
        target.existing = openFile(target.path, O_WRONLY | O_NONBLOCK);
        if (!target.existing || ::fstat(target.existing.get(), &target.old) != 0)
            return failedWith(errno);
        if (!S_ISREG(target.old.st_mode))
            return {WriteFailure::NotRegularFile};
    } else if (errno != ENOENT) {
        return failedWith(errno);
    }
    return {};
}

// The whole content of a scratch file, read back.
std::optional<std::vector<std::uint8_t>> readBack(int fd) {
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        return std::nullopt;
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(st.st_size));
    for (std::size_t got = 0; got < bytes.size();) {
        const ssize_t n =
            ::pread(fd, bytes.data() + got, bytes.size() - got, static_cast<off_t>(got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = EIO; // cut short under our feet
            return std::nullopt;
        }
        got += static_cast<std::size_t>(n);
    }
    return bytes;
}

} // namespace

WriteResult WriteFileAtomically(const std::string& path, const std::uint8_t* data,
                                std::size_t size) {
    Target target;
    if (const WriteResult found = findTarget(path, target); !found.ok())
        return found;
    removeStaleTemporaries(folderOf(target.path));
    const struct stat* old = target.existing ? &target.old : nullptr;
    const Replacement replacement = replaceThroughTemporary(target.path, old, data, size);
    switch (replacement.outcome) {
    case Replacement::Done:
        return {};
    case Replacement::FolderRefuses:
        if (!old)
            return failedWith(replacement.error);
        return overwriteInPlace(target.existing.get(), target.old.st_size, data, size)
                   ? WriteResult{}
                   : failedWith(errno);
    case Replacement::Failed:
        return failedWith(replacement.error);
    }
    return failedWith(replacement.error);
}

struct FileReplacement::State {
    Target target;
    fs::path temporary; // empty when the content is gathered in memory
    Descriptor scratch;
    std::string path;
    WriteResult failure;
    bool finished = false;
};

FileReplacement::FileReplacement(const std::string& target) : m_state(std::make_unique<State>()) {
    State& s = *m_state;
    s.failure = findTarget(target, s.target);
    if (!s.failure.ok())
        return;
    const fs::path folder = folderOf(s.target.path);
    removeStaleTemporaries(folder);
    int error = 0;
    s.scratch = createTemporary(folder, s.target.existing ? 0600 : 0666, s.temporary, error);
    if (s.scratch) {
        s.path = s.temporary.string();
        return;
    }
    s.temporary.clear();
    if (!s.target.existing || (error != EACCES && error != EPERM)) {
        s.failure = failedWith(error);
        return;
    }
    // The folder takes no temporary but the file may be written: the content is gathered in
    // memory, where nothing outlives the program, and then written over the file in place.
    s.scratch = Descriptor(::memfd_create("orvane-replacement", MFD_CLOEXEC));
    if (!s.scratch) {
        s.failure = failedWith(errno);
        return;
    }
    s.path = "/proc/self/fd/" + std::to_string(s.scratch.get());
}

FileReplacement::~FileReplacement() {
    discard();
}

const std::string& FileReplacement::path() const {
    return m_state->path;
}

WriteResult FileReplacement::failure() const {
    return m_state->failure;
}

std::uintmax_t FileReplacement::size() const {
    struct stat st {};
    if (!m_state->scratch || ::fstat(m_state->scratch.get(), &st) != 0)
        return 0;
    return static_cast<std::uintmax_t>(st.st_size);
}

WriteResult FileReplacement::commit() {
    State& s = *m_state;
    if (!s.failure.ok() || s.finished)
        return s.failure;
    const struct stat* old = s.target.existing ? &s.target.old : nullptr;
    Replacement replacement{Replacement::FolderRefuses, EACCES};
    if (!s.temporary.empty())
        replacement = finishReplacement(s.scratch.get(), s.temporary, s.target.path, old);
    WriteResult result;
    if (replacement.outcome == Replacement::FolderRefuses && old) {
        const std::optional<std::vector<std::uint8_t>> bytes = readBack(s.scratch.get());
        if (!bytes || !overwriteInPlace(s.target.existing.get(), s.target.old.st_size,
                                        bytes->data(), bytes->size()))
            result = failedWith(errno);
    } else if (replacement.outcome != Replacement::Done) {
        result = failedWith(replacement.error);
    }
    if (replacement.outcome == Replacement::Done)
        s.temporary.clear(); // it is the target now
    discard();
    return result;
}

void FileReplacement::discard() {
    State& s = *m_state;
    if (s.finished)
        return;
    s.finished = true;
    if (!s.temporary.empty() && s.scratch && namesOpenFile(s.temporary, s.scratch.get()))
        ::unlink(s.temporary.c_str());
    s.scratch = Descriptor();
    s.path.clear();
}

} // namespace orvane
