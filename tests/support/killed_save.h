#pragma once
// A save killed half-way through its write, as kill -9 kills it, made deterministic: a child
// process saves under a file size limit with the default action of SIGXFSZ, so the kernel kills
// it at the first write past the limit.

#include "common/atomic_file.h"

#include <csignal>
#include <cstdint>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace orvane::test {

// Returns whether the child died in the middle of the save.
inline bool SaveKilledHalfWay(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    const pid_t child = ::fork();
    if (child == 0) {
        const rlimit noCore{0, 0};
        ::setrlimit(RLIMIT_CORE, &noCore);
        const rlimit half{bytes.size() / 2, bytes.size() / 2};
        ::setrlimit(RLIMIT_FSIZE, &half);
        std::signal(SIGXFSZ, SIG_DFL);
        static_cast<void>(WriteFileAtomically(path, bytes.data(), bytes.size())); // never returns
        ::_exit(0);
    }
    int status = 0;
    return child > 0 && ::waitpid(child, &status, 0) == child && WIFSIGNALED(status) &&
           WTERMSIG(status) == SIGXFSZ;
}

} // namespace orvane::test
