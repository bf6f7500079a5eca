#pragma once
// Running part of a test in a child process, for what must not touch the test program itself
// (a mount namespace, a changed user, a system call filter): the child reports in text.

#include <cerrno>
#include <functional>
#include <optional>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace orvane::test {

// Runs `body` in a child process and returns the text it returned; nothing when the child did
// not finish normally. The body must not touch gtest.
inline std::optional<std::string> ReportFromChild(const std::function<std::string()>& body) {
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0)
        return std::nullopt;
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipeEnds[0]);
        const std::string report = body();
        for (std::size_t sent = 0; sent < report.size();) {
            const ssize_t n = ::write(pipeEnds[1], report.data() + sent, report.size() - sent);
            if (n <= 0)
                break;
            sent += static_cast<std::size_t>(n);
        }
        ::_exit(0);
    }
    ::close(pipeEnds[1]);
    std::string report;
    char buffer[4096];
    for (ssize_t n; child > 0 && (n = ::read(pipeEnds[0], buffer, sizeof buffer)) != 0;) {
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            break;
        report.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(pipeEnds[0]);
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return std::nullopt;
    return report;
}

} // namespace orvane::test
