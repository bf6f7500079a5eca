// The wheel maker against the records: for every cell of wheelmaker/wheel_records.csv whose best
// known wheel has at most 300 boards, the wheel the engine makes on one thread within a time limit
// (10 s unless told), against the best known size and the catalogue's system for the same request;
// and the time the proof takes for 2,000 boards. Writes a Markdown table as it goes.
//
//   orvane_wheel_maker_bench [--seconds S] [--promise K M]... [--numbers FIRST LAST]
//                            [--most-boards B] [--out FILE]

#include "wheelmaker/wheel_maker.h"
#include "wheelmaker/wheel_proof.h"
#include "wheelmaker/wheel_records.h"
#include "wheels/wheel_catalogue.h"

#include <algorithm>
#include <bit>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace orvane;
using namespace orvane::wheelmaker;

struct Settings {
    double seconds = 10;
    std::vector<std::pair<int, int>> promises; // all when empty
    int firstNumbers = 6;
    int lastNumbers = 39;
    int mostBoards = 300;
    std::string out;
};

// The catalogue's system for v numbers, no fixed number, "k if m", if it has one.
std::optional<int> catalogueBoards(int v, int k, int m) {
    for (int index = 1; index <= kSystemCount; ++index) {
        const WheelSystem& s = WheelCatalogue(index);
        const Guarantee g = ParseGuarantee(s.guarantee);
        if (s.numberCount == v && s.fixedCount == 0 && g.k == k && g.m == m)
            return s.boardCount;
    }
    return std::nullopt;
}

// What the goals ask of a cell: the best known size up to 20 numbers, at most 5 % above it
// (rounded up) beyond; never more than the catalogue, fewer where a smaller wheel is known.
std::string missedGoals(int v, int reached, int best, std::optional<int> catalogue) {
    std::string missed;
    if (v <= 20 && reached > best)
        missed += "best known";
    const int fivePercent = static_cast<int>(std::ceil(best * 1.05 - 1e-9));
    if (v > 20 && reached > fivePercent)
        missed += "5 % above best";
    if (catalogue && (reached > *catalogue || (best < *catalogue && reached >= *catalogue)))
        missed += std::string(missed.empty() ? "" : ", ") + "catalogue";
    return missed.empty() ? "met" : "**missed: " + missed + "**";
}

void emit(std::FILE* file, const std::string& line) {
    std::fputs(line.c_str(), stdout);
    std::fflush(stdout);
    if (file) {
        std::fputs(line.c_str(), file);
        std::fflush(file);
    }
}

// Times the proof of `count` random boards on 39 numbers for each promise.
void timeProofs(std::FILE* file, int count) {
    emit(file, "\n| proof of " + std::to_string(count) +
                   " boards on 39 numbers | milliseconds |\n|---|---:|\n");
    std::mt19937_64 random(1);
    for (const auto& [k, m] :
         std::vector<std::pair<int, int>>{{2, 2}, {3, 3}, {4, 4}, {3, 4}, {4, 5}, {3, 5}, {2, 5}}) {
        std::vector<BoardPositions> boards;
        std::vector<std::uint64_t> seen;
        while (static_cast<int>(boards.size()) < count) {
            std::uint64_t mask = 0;
            while (std::popcount(mask) < 5)
                mask |= std::uint64_t{1} << (random() % 39);
            if (std::find(seen.begin(), seen.end(), mask) != seen.end())
                continue;
            seen.push_back(mask);
            BoardPositions board{};
            std::size_t i = 0;
            for (std::uint64_t rest = mask; rest != 0; rest &= rest - 1)
                board[i++] = static_cast<std::uint8_t>(std::countr_zero(rest) + 1);
            boards.push_back(board);
        }
        const auto started = std::chrono::steady_clock::now();
        const WheelProof proof = ProveWheel(boards, {39, 0, k, m, {}});
        const double ms =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started)
                .count();
        char line[128];
        std::snprintf(line, sizeof line, "| \"%d if %d\" (%lld cases) | %.1f |\n", k, m,
                      static_cast<long long>(proof.cases), ms);
        emit(file, line);
    }
}

int usage() {
    std::fprintf(stderr, "usage: orvane_wheel_maker_bench [--seconds S] [--promise K M]... "
                         "[--numbers FIRST LAST] [--most-boards B] [--out FILE]\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    Settings settings;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const auto next = [&] {
            if (i + 1 >= argc)
                std::exit(usage());
            return std::string(argv[++i]);
        };
        if (arg == "--seconds") {
            settings.seconds = std::atof(next().c_str());
        } else if (arg == "--promise") {
            const int k = std::atoi(next().c_str());
            settings.promises.emplace_back(k, std::atoi(next().c_str()));
        } else if (arg == "--numbers") {
            settings.firstNumbers = std::atoi(next().c_str());
            settings.lastNumbers = std::atoi(next().c_str());
        } else if (arg == "--most-boards") {
            settings.mostBoards = std::atoi(next().c_str());
        } else if (arg == "--out") {
            settings.out = next();
        } else {
            return usage();
        }
    }
    std::FILE* file = settings.out.empty() ? nullptr : std::fopen(settings.out.c_str(), "w");
    char heading[200];
    std::snprintf(heading, sizeof heading,
                  "Each cell: one search on one thread, at most %g s, ended early when it reaches "
                  "the best known size.\n\n",
                  settings.seconds);
    emit(file, heading);
    emit(file, "| v | promise | best known | lower bound | catalogue | reached | seconds | goal "
               "|\n|---:|---|---:|---:|---:|---:|---:|---|\n");
    int cells = 0;
    int met = 0;
    for (const WheelRecord& r : WheelRecords()) {
        if (!r.bestKnown || *r.bestKnown > settings.mostBoards ||
            r.numbers < settings.firstNumbers || r.numbers > settings.lastNumbers)
            continue;
        if (!settings.promises.empty() &&
            std::find(settings.promises.begin(), settings.promises.end(),
                      std::make_pair(r.k, r.m)) == settings.promises.end())
            continue;
        MakeOptions options;
        options.timeLimit = std::chrono::duration_cast<std::chrono::steady_clock::duration>(
            std::chrono::duration<double>(settings.seconds));
        options.enoughBoards = r.bestKnown;
        const MadeWheel made = MakeWheel({r.numbers, 0, r.k, r.m, {}}, options);
        const int reached = made.keepsPromise() ? static_cast<int>(made.boards.size()) : -1;
        const auto catalogue = catalogueBoards(r.numbers, r.k, r.m);
        const std::string goal = reached < 0
                                     ? "**not proven**"
                                     : missedGoals(r.numbers, reached, *r.bestKnown, catalogue);
        ++cells;
        met += goal == "met";
        char line[256];
        std::snprintf(line, sizeof line, "| %d | %d if %d | %d | %d | %s | %d | %.1f | %s |\n",
                      r.numbers, r.k, r.m, *r.bestKnown, r.lowerBound,
                      catalogue ? std::to_string(*catalogue).c_str() : "", reached, made.seconds,
                      goal.c_str());
        emit(file, line);
    }
    emit(file,
         "\n" + std::to_string(met) + " of " + std::to_string(cells) + " cells meet every goal.\n");
    timeProofs(file, 2000);
    if (file)
        std::fclose(file);
    return 0;
}
