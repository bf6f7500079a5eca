// orvane-wheel: makes a wheel from a terminal with the same engine as the program.
//
//   orvane-wheel V K M [--fixed F] [--boards B] [--seconds S] [--threads T] [--seed N]
//
// Prints the wheel on standard output, one board a line (numbers 1..V, the fixed ones 1..F), and
// one summary line on standard error. Exit status: 0 when the wheel keeps the promise (proven),
// 1 when a most number of boards left it keeping the promise in part of its cases only, 2 when the
// arguments are wrong.

#include "wheelmaker/wheel_maker.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

namespace {

using namespace orvane::wheelmaker;

constexpr int kProven = 0;
constexpr int kCapped = 1;
constexpr int kBadArguments = 2;

int usage(const std::string& why) {
    if (!why.empty())
        std::fprintf(stderr, "orvane-wheel: %s\n", why.c_str());
    std::fprintf(stderr, "usage: orvane-wheel V K M [--fixed F] [--boards B] [--seconds S] "
                         "[--threads T] [--seed N]\n");
    return kBadArguments;
}

std::optional<long long> wholeNumber(std::string_view text) {
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::optional<double> seconds(const std::string& text) {
    try {
        std::size_t used = 0;
        const double value = std::stod(text, &used);
        if (used != text.size() || !std::isfinite(value) || value <= 0 || value > 1e6)
            return std::nullopt;
        return value;
    } catch (...) {
        return std::nullopt;
    }
}

} // namespace

int main(int argc, char** argv) {
    WheelRequest request;
    MakeOptions options;
    int positional = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.rfind("--", 0) == 0) {
            if (i + 1 >= argc)
                return usage(arg + " needs a value");
            const std::string value = argv[++i];
            if (arg == "--seconds") {
                const auto s = seconds(value);
                if (!s)
                    return usage("--seconds takes a positive number of seconds");
                options.timeLimit = std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                    std::chrono::duration<double>(*s));
                continue;
            }
            const auto n = wholeNumber(value);
            if (!n || *n < 0 || *n > 1'000'000'000)
                return usage(arg + " takes a whole number");
            if (arg == "--fixed")
                request.fixed = static_cast<int>(*n);
            else if (arg == "--boards")
                request.boardCap = static_cast<int>(*n);
            else if (arg == "--threads" && *n >= 1 && *n <= 64)
                options.threads = static_cast<int>(*n);
            else if (arg == "--seed")
                options.seed = static_cast<std::uint64_t>(*n);
            else
                return usage("unknown option " + arg);
            continue;
        }
        const auto n = wholeNumber(arg);
        if (!n || *n < 0 || *n > 1000 || positional == 3)
            return usage(positional == 3 ? "too many arguments" : "V, K and M are whole numbers");
        (positional == 0   ? request.numbers
         : positional == 1 ? request.k
                           : request.m) = static_cast<int>(*n);
        ++positional;
    }
    if (positional < 3)
        return usage("V, K and M are needed");
    if (const std::string fault = RequestFault(request); !fault.empty())
        return usage(fault);

    const MadeWheel made = MakeWheel(request, options);
    for (const auto& board : made.boards) {
        std::string line;
        for (const int p : board)
            line += (line.empty() ? "" : " ") + std::to_string(p);
        std::printf("%s\n", line.c_str());
    }
    std::fflush(stdout);

    const WheelProof& proof = made.proof;
    std::string summary = std::to_string(made.boards.size()) + " boards, \"" +
                          std::to_string(request.k) + " if " + std::to_string(request.m) +
                          "\" on " + std::to_string(request.numbers) + " numbers";
    if (request.fixed > 0)
        summary += " (" + std::to_string(request.fixed) + " fixed)";
    char share[64];
    std::snprintf(share, sizeof share, "%.2f", 100.0 * proof.shareMet());
    summary += made.keepsPromise() ? ": proven in all " + std::to_string(proof.cases) + " cases"
                                   : ": kept in " + std::to_string(proof.casesMet) + " of " +
                                         std::to_string(proof.cases) + " cases (" + share + " %)";
    summary += "; best known ";
    summary += made.known.bestKnown ? std::to_string(*made.known.bestKnown) : "none";
    summary += ", lower bound " + std::to_string(made.known.lowerBound);
    char time[32];
    std::snprintf(time, sizeof time, "; %.1f s", made.seconds);
    summary += time;
    std::fprintf(stderr, "%s\n", summary.c_str());
    return made.keepsPromise() ? kProven : kCapped;
}
