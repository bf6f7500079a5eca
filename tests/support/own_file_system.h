#pragma once
// A real file system of a test's own, small enough to fill: mounted in a child process that has
// a mount namespace to itself, so nothing outside the child ever sees it and it goes with the
// child, whatever the test does. Only root may mount one; elsewhere the tests that need one skip.

#include "support/child_report.h"

#include <cstring>
#include <sched.h>
#include <sys/mount.h>

namespace orvane::test {

struct OwnFileSystemRun {
    std::optional<std::string> whyNot; // set when no file system could be mounted
    std::string report;                // what the body returned, when it ran
};

// Mounts a file system of `type` ("tmpfs", "ramfs") with `options` at the existing folder
// `where`, runs `body` there in a child process and returns what the body returned. The body runs
// as root and may drop to another user; it must not touch gtest.
inline OwnFileSystemRun RunOnOwnFileSystem(const std::string& where, const char* type,
                                           const char* options,
                                           const std::function<std::string()>& body) {
    // A report starting with '!' says why the body did not run.
    const std::optional<std::string> report = ReportFromChild([&]() -> std::string {
        if (::unshare(CLONE_NEWNS) != 0)
            return std::string("!no mount namespace: ") + std::strerror(errno);
        if (::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            ::mount(type, where.c_str(), type, 0, options) != 0)
            return std::string("!cannot mount ") + type + ": " + std::strerror(errno);
        return body();
    });
    if (!report)
        return {"the child process did not finish", {}};
    if (report->starts_with('!'))
        return {report->substr(1), {}};
    return {std::nullopt, *report};
}

} // namespace orvane::test
