#pragma once
// Running a probe as a child process: how long until it reports, and the most memory it held.

#include <chrono>
#include <string>
#include <vector>

namespace orvane::bench {

struct ChildRun {
    bool ok = false;
    std::string error;     // why the run failed, with what the child wrote on stderr
    std::string output;    // everything the child wrote on stdout
    std::string firstLine; // its first line
    std::chrono::duration<double, std::milli> toFirstLine{};
    std::chrono::duration<double, std::milli> toExit{};
    long peakResidentKiB = 0; // ru_maxrss of the child
};

// Starts `program` with `arguments`, times from just before the start to the child's first line
// on stdout, and waits for it to exit, by itself or killed after `timeout`. Succeeds when the
// child wrote a line and exited with status 0.
ChildRun RunChild(const std::string& program, const std::vector<std::string>& arguments,
                  std::chrono::seconds timeout);

} // namespace orvane::bench
