#include "common/regular_file_read.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvane {

namespace {

FileRead failedWith(int error) {
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return {ReadFailure::Missing, 0, error};
    case EACCES:
    case EPERM:
        return {ReadFailure::NotReadable, 0, error};
    default:
        return {ReadFailure::ReadFailed, 0, error};
    }
}

} // namespace

FileRead ReadRegularFile(const std::string& path, std::span<std::uint8_t> into) {
    // Opening a FIFO for reading waits for a writer unless it is non-blocking; the check is made
    // on what was opened, so a file swapped in between cannot slip through.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return errno == ENXIO ? FileRead{ReadFailure::NotRegularFile, 0, errno} : failedWith(errno);
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        const FileRead failed = failedWith(errno);
        ::close(fd);
        return failed;
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        return {ReadFailure::NotRegularFile, 0, 0};
    }
    FileRead result;
    while (result.size < into.size()) {
        const ssize_t n = ::read(fd, into.data() + result.size, into.size() - result.size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            result = {ReadFailure::ReadFailed, 0, errno};
            break;
        }
        if (n == 0)
            break;
        result.size += static_cast<std::size_t>(n);
    }
    ::close(fd);
    return result;
}

std::optional<std::size_t> ReadRegularFileStart(const std::string& path,
                                                std::span<std::uint8_t> into) {
    const FileRead read = ReadRegularFile(path, into);
    if (!read.ok())
        return std::nullopt;
    return read.size;
}

} // namespace orvane
