// orvane-wheel-tables: long runs of the wheel maker, offline, for the requests whose search cannot
// reach a good size while a player waits. Each request's wheel goes to its file in the folder
// given (wheelmaker/tables/ to build it into the program), rewritten whole each time a smaller
// proven wheel is found, so stopping the run at any moment loses nothing. A run starts from the
// file already there, so runs add up.
//
//   orvane-wheel-tables FOLDER SECONDS V:K:M... [--seed N]

#include "common/atomic_file.h"
#include "wheelmaker/offline_tables.h"
#include "wheelmaker/wheel_maker.h"
#include "wheelmaker/wheel_proof.h"

#include <chrono>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace orvane;
using namespace orvane::wheelmaker;

int usage(const std::string& why) {
    std::fprintf(stderr, "orvane-wheel-tables: %s\n", why.c_str());
    std::fprintf(stderr, "usage: orvane-wheel-tables FOLDER SECONDS V:K:M... [--seed N]\n");
    return 2;
}

std::string readFile(const std::string& path) {
    std::ifstream in(path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string today() {
    const std::time_t now = std::time(nullptr);
    char text[16];
    std::strftime(text, sizeof text, "%Y-%m-%d", std::gmtime(&now));
    return text;
}

std::string tableText(const WheelRequest& r, const std::vector<BoardPositions>& wheel,
                      const KnownSizes& known, std::uint64_t seed, double seconds) {
    std::ostringstream out;
    out << "# " << r.numbers << " numbers, \"" << r.k << " if " << r.m << "\": " << wheel.size()
        << " boards, proven in every case";
    if (known.bestKnown)
        out << " (best known " << *known.bestKnown << ", lower bound " << known.lowerBound << ")";
    out << ".\n# Made by orvane-wheel-tables (scripts/make-wheel-tables.sh) on " << today()
        << ", seed " << seed << ", " << static_cast<long>(seconds) << " s into the run.\n";
    for (const BoardPositions& board : wheel) {
        for (std::size_t i = 0; i < board.size(); ++i)
            out << (i == 0 ? "" : " ") << static_cast<int>(board[i]);
        out << '\n';
    }
    return out.str();
}

// One request, for `seconds`, from the table already in the folder.
void improve(const std::string& folder, const WheelRequest& request, double seconds,
             std::uint64_t seed) {
    const std::string path = folder + "/" + TableFileName(ProblemOf(request));
    const std::string label = std::to_string(request.numbers) + " numbers, \"" +
                              std::to_string(request.k) + " if " + std::to_string(request.m) + "\"";
    MakeOptions options;
    options.timeLimit = std::chrono::duration_cast<std::chrono::steady_clock::duration>(
        std::chrono::duration<double>(seconds));
    options.seed = seed;
    const KnownSizes known = KnownSizesFor(request);
    options.enoughBoards = known.bestKnown;
    options.startWheel =
        PositionsOf(ParseTableText(readFile(path), request.numbers, kNumbersPerBoard), 0);
    const std::size_t before = options.startWheel.size();
    const auto started = std::chrono::steady_clock::now();
    options.betterWheel = [&](const std::vector<BoardPositions>& wheel) {
        if (before != 0 && wheel.size() >= before)
            return;
        if (!ProveWheel(wheel, request).keepsPromise()) {
            std::fprintf(stderr, "%s: a wheel of %zu boards failed its proof; not kept\n",
                         label.c_str(), wheel.size());
            return;
        }
        const double elapsed =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        const std::string text = tableText(request, wheel, known, seed, elapsed);
        const auto written = WriteFileAtomically(
            path, reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
        std::fprintf(stderr, "%s: %zu boards after %.0f s%s\n", label.c_str(), wheel.size(),
                     elapsed, written.ok() ? "" : " (could not be written)");
    };
    const MadeWheel made = MakeWheel(request, options);
    std::fprintf(stderr, "%s: ended with %zu boards (best known %s) in %.0f s\n", label.c_str(),
                 made.boards.size(),
                 known.bestKnown ? std::to_string(*known.bestKnown).c_str() : "none", made.seconds);
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    std::uint64_t seed = 1;
    for (std::size_t i = 0; i < args.size(); ++i)
        if (args[i] == "--seed" && i + 1 < args.size()) {
            seed = std::stoull(args[i + 1]);
            args.erase(args.begin() + static_cast<long>(i),
                       args.begin() + static_cast<long>(i) + 2);
            break;
        }
    if (args.size() < 3)
        return usage("a folder, a number of seconds and at least one V:K:M are needed");
    double seconds = 0;
    try {
        seconds = std::stod(args[1]);
    } catch (...) {
    }
    if (seconds <= 0)
        return usage("SECONDS is a positive number");
    std::vector<WheelRequest> requests;
    for (std::size_t i = 2; i < args.size(); ++i) {
        WheelRequest r;
        char tail = 0;
        if (std::sscanf(args[i].c_str(), "%d:%d:%d%c", &r.numbers, &r.k, &r.m, &tail) != 3)
            return usage(args[i] + " is not V:K:M");
        if (const std::string fault = RequestFault(r); !fault.empty())
            return usage(args[i] + ": " + fault);
        requests.push_back(r);
    }
    for (const WheelRequest& r : requests)
        improve(args[0], r, seconds, seed);
    return 0;
}
