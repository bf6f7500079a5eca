#include "bench/process/child_process.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace orvane::bench {

namespace {

using Clock = std::chrono::steady_clock;

std::string ReadAll(int fd) {
    std::string text;
    char buffer[4096];
    ::lseek(fd, 0, SEEK_SET);
    for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) > 0;)
        text.append(buffer, static_cast<std::size_t>(n));
    return text;
}

} // namespace

ChildRun RunChild(const std::string& program, const std::vector<std::string>& arguments,
                  std::chrono::seconds timeout) {
    ChildRun run;
    int out[2];
    if (::pipe2(out, O_CLOEXEC) != 0) {
        run.error = std::string("pipe: ") + std::strerror(errno);
        return run;
    }
    // The child's warnings go to an unnamed file, shown only when the run fails.
    char errName[] = "/tmp/orvane-probe-XXXXXX";
    const int err = ::mkostemp(errName, O_CLOEXEC);
    if (err >= 0)
        ::unlink(errName);

    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& a : arguments)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    if (err >= 0)
        posix_spawn_file_actions_adddup2(&actions, err, STDERR_FILENO);

    const Clock::time_point start = Clock::now();
    pid_t pid = 0;
    const int spawned =
        ::posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(out[1]);
    if (spawned != 0) {
        run.error = program + ": " + std::strerror(spawned);
        ::close(out[0]);
        if (err >= 0)
            ::close(err);
        return run;
    }

    // Read until the pipe closes: the first newline stops the clock.
    const Clock::time_point deadline = start + timeout;
    std::string output;
    bool timedOut = false;
    for (;;) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        pollfd p{out[0], POLLIN, 0};
        if (left.count() <= 0 || ::poll(&p, 1, static_cast<int>(left.count())) == 0) {
            timedOut = true;
            ::kill(pid, SIGKILL);
            break;
        }
        char buffer[256];
        const ssize_t n = ::read(out[0], buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        const bool hadLine = output.find('\n') != std::string::npos;
        output.append(buffer, static_cast<std::size_t>(n));
        if (!hadLine && output.find('\n') != std::string::npos)
            run.toFirstLine = Clock::now() - start;
    }
    ::close(out[0]);

    int status = 0;
    rusage usage{};
    while (::wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    run.toExit = Clock::now() - start;
    run.peakResidentKiB = usage.ru_maxrss;
    const std::size_t newline = output.find('\n');
    run.firstLine = output.substr(0, newline);
    run.output = output;

    if (timedOut)
        run.error = std::string("no end within ").append(std::to_string(timeout.count())) + " s";
    else if (newline == std::string::npos)
        run.error = "no line on stdout";
    else if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        run.error = std::string("wait status ").append(std::to_string(status));
    run.ok = run.error.empty();
    if (!run.ok && err >= 0)
        run.error.append("\n").append(ReadAll(err));
    if (err >= 0)
        ::close(err);
    return run;
}

} // namespace orvane::bench
