// Orvane as a process: start-up to the main window painted against a bare QApplication showing
// an empty window of the same size (and, for scale, the same window with one line of text), and
// peak memory; the probes run many times in turn.
//   build/bench/orvane_process_bench [--rounds N] [--platform offscreen|xcb]
// The platform is QT_QPA_PLATFORM's, offscreen when unset; xcb needs an X display (Xvfb).
#include "bench/process/child_process.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace {

using orvane::bench::ChildRun;
using orvane::bench::RunChild;

constexpr double kStartupGoal = 1.5; // times the floor
constexpr double kMemoryGoalMB = 60;
constexpr auto kTimeout = std::chrono::seconds(60);

struct Options {
    int rounds = 20;
    std::string platform;
};

struct Series {
    std::vector<double> ms;
    std::vector<long> kib;

    void add(const ChildRun& run) {
        ms.push_back(run.toFirstLine.count());
        kib.push_back(run.peakResidentKiB);
    }
    static double median(std::vector<double> v) {
        std::sort(v.begin(), v.end());
        const std::size_t n = v.size();
        return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
    }
    double medianMs() const { return median(ms); }
    double minMs() const { return *std::min_element(ms.begin(), ms.end()); }
    double maxMs() const { return *std::max_element(ms.begin(), ms.end()); }
    double peakMB() const { return *std::max_element(kib.begin(), kib.end()) * 1024.0 / 1e6; }
};

std::string Here() {
    return std::filesystem::canonical("/proc/self/exe").parent_path().string() + "/";
}

ChildRun RunOrDie(const std::string& program, const std::vector<std::string>& arguments) {
    ChildRun run = RunChild(program, arguments, kTimeout);
    if (!run.ok) {
        std::fprintf(stderr, "%s failed: %s\n", program.c_str(), run.error.c_str());
        std::exit(1);
    }
    return run;
}

Options ParseOptions(int argc, char* argv[]) {
    Options options;
    const char* fromEnvironment = std::getenv("QT_QPA_PLATFORM");
    options.platform = fromEnvironment && *fromEnvironment ? fromEnvironment : "offscreen";
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string name = argv[i];
        if (name == "--rounds")
            options.rounds = std::max(1, std::atoi(argv[i + 1]));
        else if (name == "--platform")
            options.platform = argv[i + 1];
    }
    return options;
}

const char* Verdict(bool met) {
    return met ? "met" : "MISSED";
}

} // namespace

int main(int argc, char* argv[]) {
    const Options options = ParseOptions(argc, argv);
    ::setenv("QT_QPA_PLATFORM", options.platform.c_str(), 1);
    const std::string program = Here() + "orvane_program_probe";
    const std::string floor = Here() + "orvane_floor_probe";

    // A first run of each warms the file cache and font caches, and tells the window's size.
    const ChildRun first = RunOrDie(program, {});
    const std::string size = first.firstLine.substr(first.firstLine.find(' ') + 1);
    RunOrDie(floor, {size, "--text"});

    Series programRuns, floorRuns, textRuns;
    for (int round = 0; round < options.rounds; ++round) {
        // Rotate which goes first, so none always runs on another's leftovers.
        const std::array<std::function<void()>, 3> probes = {
            [&] { floorRuns.add(RunOrDie(floor, {size})); },
            [&] { programRuns.add(RunOrDie(program, {})); },
            [&] {
                textRuns.add(RunOrDie(floor, {size, "--text"}));
            },
        };
        for (std::size_t i = 0; i < probes.size(); ++i)
            probes[(static_cast<std::size_t>(round) + i) % probes.size()]();
    }
    Series roadRuns;
    for (int run = 0; run < 3; ++run) {
        const ChildRun road = RunOrDie(program, {"--road"});
        if (road.output.find("walked\n") == std::string::npos) {
            std::fprintf(stderr, "the road was not walked to its end\n");
            return 1;
        }
        roadRuns.add(road);
    }

    const double ratio = programRuns.medianMs() / floorRuns.medianMs();
    std::printf("Start-up to the main window painted, QT_QPA_PLATFORM=%s, %d runs each, "
                "in turn\n",
                options.platform.c_str(), options.rounds);
    std::printf("  %-34s %9s %9s %9s\n", "", "median", "min", "max");
    const auto row = [](const std::string& name, const Series& s) {
        std::printf("  %-34s %6.1f ms %6.1f ms %6.1f ms\n", name.c_str(), s.medianMs(), s.minMs(),
                    s.maxMs());
    };
    row("floor: bare QWidget " + size, floorRuns);
    row("for scale: bare QWidget with a text", textRuns);
    row("Orvane, main window " + size, programRuns);
    std::printf("  ratio of the medians: %.2f  (goal: at most %.1f, %s)\n", ratio, kStartupGoal,
                Verdict(ratio <= kStartupGoal));
    std::printf("  ratio to the window with a text, for scale: %.2f\n\n",
                programRuns.medianMs() / textRuns.medianMs());

    std::printf("Peak memory (largest ru_maxrss of the runs; 1 MB = 10^6 bytes)\n");
    std::printf("  %-58s %6.1f MB\n", "floor: bare QWidget, painted", floorRuns.peakMB());
    std::printf("  %-58s %6.1f MB\n", "for scale: bare QWidget with a text, painted",
                textRuns.peakMB());
    std::printf("  %-58s %6.1f MB\n", "Orvane, main window painted", programRuns.peakMB());
    std::printf("  %-58s %6.1f MB  (goal: under %.0f MB, %s)\n",
                "Orvane after the road (list, comparison, boards, tickets)", roadRuns.peakMB(),
                kMemoryGoalMB, Verdict(roadRuns.peakMB() < kMemoryGoalMB));
    return 0;
}
