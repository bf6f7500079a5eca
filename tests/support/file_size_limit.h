#pragma once
// A full disk, made on purpose.

#include <csignal>
#include <sys/resource.h>

namespace orvane::test {

// Makes every file write of this process stop at `bytes`, the way a full disk stops it half-way;
// permission bits would not, since the tests run as root.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &m_saved);
        m_savedHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_savedHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    rlimit m_saved{};
    void (*m_savedHandler)(int) = SIG_DFL;
};

} // namespace orvane::test
