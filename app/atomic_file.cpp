#include "app/atomic_file.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvane {

namespace {

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

} // namespace

bool WriteFileAtomically(const std::string& path, const std::uint8_t* data, std::size_t size) {
    std::string temp = path + ".tmpXXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        return false;
    // mkstemp creates the file private to its owner; give it the usual permissions of a new file.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);

    bool ok = writeAll(fd, data, size) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    if (ok)
        ok = std::rename(temp.c_str(), path.c_str()) == 0;
    if (!ok)
        ::unlink(temp.c_str());
    return ok;
}

} // namespace orvane
