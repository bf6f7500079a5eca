#include "common/regular_file_read.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvane {

std::optional<std::size_t> ReadRegularFileStart(const std::string& path,
                                                std::span<std::uint8_t> into) {
    // Opening a FIFO for reading waits for a writer unless it is non-blocking; the check is made
    // on what was opened, so a file swapped in between cannot slip through.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return std::nullopt;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return std::nullopt;
    }
    std::size_t got = 0;
    while (got < into.size()) {
        const ssize_t n = ::read(fd, into.data() + got, into.size() - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    ::close(fd);
    return got;
}

} // namespace orvane
