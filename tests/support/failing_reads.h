#pragma once
// A disk that fails part-way through a read, as a damaged one does: in a child process, a system
// call filter makes the kernel answer EIO to the reads of one file after its first. Nothing in
// the code under test knows.

#include "support/child_report.h"

#include <cstddef>
#include <fcntl.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <sys/prctl.h>
#include <sys/syscall.h>

namespace orvane::test {

// Runs `body` in a child process in which the next file opened reads as usual as long as a read
// asks for at least `smallestGoodRead` bytes, and fails with EIO for any smaller read: a read
// that gets the file's bytes then asks for what follows fails, as a bad block past the start
// makes it. Returns what the body returned, or nothing when the filter could not be set.
inline std::optional<std::string>
ReportWithReadsFailingPartWay(std::size_t smallestGoodRead,
                              const std::function<std::string()>& body) {
    const std::optional<std::string> report = ReportFromChild([&]() -> std::string {
        // The file the body opens next gets the lowest free descriptor.
        const int next = ::open("/dev/null", O_RDONLY);
        ::close(next);
        sock_filter program[] = {
            BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)),
            BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, SYS_read, 0, 5),
            BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, args[0])),
            BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, static_cast<std::uint32_t>(next), 0, 3),
            BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, args[2])),
            BPF_JUMP(BPF_JMP | BPF_JGE | BPF_K, static_cast<std::uint32_t>(smallestGoodRead), 1, 0),
            BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | (EIO & SECCOMP_RET_DATA)),
            BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
        };
        const sock_fprog filter{static_cast<unsigned short>(std::size(program)), program};
        if (::prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) != 0 ||
            ::prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &filter) != 0)
            return "!";
        return body();
    });
    if (!report || *report == "!")
        return std::nullopt;
    return report;
}

} // namespace orvane::test
