// wheelgen: builds the tables of the reduced systems 14..71 by local search, proves every table
// of the catalogue exhaustively, and writes wheels/generated_tables.cpp and docs/wheels.md.
//
//   wheelgen [--seed S] [--jobs J] [--root DIR]      build, prove and write everything
//   wheelgen --docs-only [--root DIR]                prove the tables wheelgen was built with and
//                                                    write docs/wheels.md alone
//   wheelgen --systems FIRST LAST [--seed S]         build and report some systems, write nothing
//   wheelgen --search N F K M B [--seed S] [--attempts A] [--iterations I]
//                               [--temperature T0 T1] [--cyclic]
//                               [--candidates C] [--polish P] [--weight W]
//                               [--polish-temperature T0 T1]
//                                                    one search for n, f, "k if m", b boards

#include "tools/wheelgen/covering_search.h"
#include "tools/wheelgen/table_writers.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <mutex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace orvane;
using namespace orvane::wheelgen;

constexpr int kFirstGenerated = 14;
constexpr std::uint64_t kDefaultSeed = 1;

// Search effort per system. Most tables fall to the default schedule within one attempt, so
// three of them are built and the one that goes furthest past the guarantee is kept. The larger
// "3 if 4" tables are hard for this search at their board counts, which lie above the fewest
// boards known to work (wheelmaker/wheel_records.csv): 1 to 5 boards above for 20 to 22 numbers,
// 12 to 19 for 23 to 25. They need long runs at a lower, slowly falling temperature, and one table
// each (all of theirs reach the same share anyway: five 4-sets on every board).
SearchSettings settingsFor(int index, std::uint64_t seed) {
    SearchSettings s;
    s.seed = seed * 1000 + static_cast<std::uint64_t>(index);
    s.candidates = 3;
    s.polishIterations = 300'000;
    const WheelParameters w = ParametersOfSystem(index);
    if (w.guarantee.k == 3 && w.guarantee.m == 4 && w.numberCount >= 20) {
        s.candidates = 1;
        s.attempts = 6;
        s.iterationsPerAttempt = 40'000'000;
        s.startTemperature = 0.6;
        s.endTemperature = 0.2;
    }
    return s;
}

struct Outcome {
    ProvenTable table;
    SearchResult search;
    double seconds = 0;
};

Outcome build(int index, std::uint64_t seed) {
    const auto started = std::chrono::steady_clock::now();
    const WheelParameters w = ParametersOfSystem(index);
    Outcome o;
    o.search = SearchTable(w, settingsFor(index, seed));
    o.table = {index, o.search.rows, VerifyTable(o.search.rows, w)};
    o.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    return o;
}

void report(const Outcome& o) {
    const WheelParameters w = ParametersOfSystem(o.table.index);
    const TableCheck& c = o.table.check;
    std::printf("system %2d: n=%2d f=%d \"%s\" b=%3d  %s", o.table.index, w.numberCount,
                w.fixedCount, GuaranteeText(w.guarantee).c_str(), w.boardCount,
                c.holds() ? "holds " : "FAILS ");
    if (!c.holds())
        std::printf("(%lld sets missed) ", static_cast<long long>(o.search.setsMissed));
    if (c.beyondSets > 0)
        std::printf(" beyond %lld/%lld (%.1f%%)", static_cast<long long>(c.beyondMet),
                    static_cast<long long>(c.beyondSets), 100.0 * c.beyondShare());
    std::printf("  attempts %d, moves %lld, %.1f s\n", o.search.attemptsUsed,
                static_cast<long long>(o.search.iterations), o.seconds);
    std::fflush(stdout);
}

// Builds systems first..last on `jobs` threads; each system's result depends only on the seed.
std::vector<Outcome> buildAll(int first, int last, std::uint64_t seed, int jobs) {
    std::vector<Outcome> outcomes(static_cast<std::size_t>(last - first + 1));
    std::atomic<int> next{first};
    std::mutex printing;
    auto worker = [&] {
        for (int index = next++; index <= last; index = next++) {
            Outcome o = build(index, seed);
            const std::lock_guard lock(printing);
            report(o);
            outcomes[static_cast<std::size_t>(index - first)] = std::move(o);
        }
    };
    std::vector<std::thread> threads;
    for (int j = 0; j < jobs; ++j)
        threads.emplace_back(worker);
    for (auto& t : threads)
        t.join();
    return outcomes;
}

bool writeFile(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    if (!out) {
        std::fprintf(stderr, "wheelgen: cannot write %s\n", path.c_str());
        return false;
    }
    return true;
}

ProvenTable proveCatalogueTable(int index) {
    const auto rows = CombinationTable(index);
    return {index, {rows.begin(), rows.end()}, VerifyTable(rows, ParametersOfSystem(index))};
}

int generateAll(std::uint64_t seed, int jobs, const std::string& root) {
    const auto outcomes = buildAll(kFirstGenerated, kSystemCount, seed, jobs);
    std::vector<ProvenTable> generated;
    std::vector<ProvenTable> all;
    bool allHold = true;
    for (int index = 1; index < kFirstGenerated; ++index) {
        all.push_back(proveCatalogueTable(index));
        allHold = allHold && all.back().check.holds();
    }
    for (const auto& o : outcomes) {
        generated.push_back(o.table);
        all.push_back(o.table);
        allHold = allHold && o.table.check.holds();
    }
    if (!allHold) {
        std::fprintf(stderr, "wheelgen: some table does not hold its guarantee; nothing written\n");
        return 1;
    }
    std::string command = "build/tools/wheelgen/wheelgen";
    if (seed != kDefaultSeed)
        command += " --seed " + std::to_string(seed);
    const bool written = writeFile(root + "/wheels/generated_tables.cpp",
                                   GeneratedTablesSource(generated, command)) &&
                         writeFile(root + "/docs/wheels.md", WheelsDocument(all, command));
    return written ? 0 : 1;
}

// The command named in the generated source's heading, which wrote its tables.
std::string commandNamedIn(const std::string& source) {
    const std::string marker = "\n//   ";
    const auto at = source.find(marker);
    if (at == std::string::npos)
        return {};
    const auto from = at + marker.size();
    return source.substr(from, source.find('\n', from) - from);
}

// Writes docs/wheels.md from the tables built into wheelgen, without searching. They must be
// the tables of wheels/generated_tables.cpp, which would be written again byte for byte: a
// wheelgen built before the tables last changed would describe other tables.
int writeDocumentOnly(const std::string& root) {
    const std::string sourcePath = root + "/wheels/generated_tables.cpp";
    std::ifstream in(sourcePath, std::ios::binary);
    std::ostringstream source;
    source << in.rdbuf();

    std::vector<ProvenTable> generated;
    std::vector<ProvenTable> all;
    bool allHold = true;
    for (int index = 1; index <= kSystemCount; ++index) {
        all.push_back(proveCatalogueTable(index));
        allHold = allHold && all.back().check.holds();
        if (index >= kFirstGenerated)
            generated.push_back(all.back());
    }
    if (!allHold) {
        std::fprintf(stderr, "wheelgen: some table does not hold its guarantee; nothing written\n");
        return 1;
    }
    const std::string command = commandNamedIn(source.str());
    if (GeneratedTablesSource(generated, command) != source.str()) {
        std::fprintf(stderr,
                     "wheelgen: %s does not hold the tables wheelgen was built with; build "
                     "wheelgen again; nothing written\n",
                     sourcePath.c_str());
        return 1;
    }
    return writeFile(root + "/docs/wheels.md", WheelsDocument(all, command)) ? 0 : 1;
}

int searchOnce(const WheelParameters& w, const SearchSettings& s) {
    const auto started = std::chrono::steady_clock::now();
    const SearchResult r = SearchTable(w, s);
    const TableCheck c = VerifyTable(r.rows, w);
    std::printf("n=%d f=%d \"%s\" b=%d: %s, %lld sets missed by the best table; attempts %d, "
                "moves %lld, %.1f s\n",
                w.numberCount, w.fixedCount, GuaranteeText(w.guarantee).c_str(), w.boardCount,
                c.holds() ? "holds" : "fails", static_cast<long long>(r.setsMissed), r.attemptsUsed,
                static_cast<long long>(r.iterations),
                std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count());
    if (c.beyondSets > 0)
        std::printf("beyond: %lld of %lld (%.1f%%)\n", static_cast<long long>(c.beyondMet),
                    static_cast<long long>(c.beyondSets), 100.0 * c.beyondShare());
    for (const auto& row : r.rows)
        std::printf("  %d %d %d %d %d\n", row[0], row[1], row[2], row[3], row[4]);
    return c.holds() ? 0 : 2;
}

int usage() {
    std::fprintf(stderr, "usage: wheelgen [--seed S] [--jobs J] [--root DIR]\n"
                         "       wheelgen --docs-only [--root DIR]\n"
                         "       wheelgen --systems FIRST LAST [--seed S] [--jobs J]\n"
                         "       wheelgen --search N F K M B [--seed S] [--attempts A] "
                         "[--iterations I] [--temperature T0 T1] [--cyclic]\n"
                         "                [--candidates C] [--polish P] [--weight W] "
                         "[--polish-temperature T0 T1]\n");
    return 64;
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    std::uint64_t seed = kDefaultSeed;
    int jobs = 2;
    std::string root = ".";
    int first = 0;
    int last = 0;
    bool single = false;
    bool docsOnly = false;
    WheelParameters w{};
    SearchSettings s;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const auto value = [&](std::size_t ahead = 1) -> const std::string& {
            if (i + ahead >= args.size())
                std::exit(usage());
            return args[i + ahead];
        };
        if (args[i] == "--seed") {
            seed = std::stoull(value());
            ++i;
        } else if (args[i] == "--jobs") {
            jobs = std::max(1, std::stoi(value()));
            ++i;
        } else if (args[i] == "--root") {
            root = value();
            ++i;
        } else if (args[i] == "--docs-only") {
            docsOnly = true;
        } else if (args[i] == "--systems") {
            first = std::max(kFirstGenerated, std::stoi(value(1)));
            last = std::min(kSystemCount, std::stoi(value(2)));
            i += 2;
        } else if (args[i] == "--search") {
            single = true;
            w = {std::stoi(value(1)),
                 std::stoi(value(2)),
                 {std::stoi(value(3)), std::stoi(value(4))},
                 std::stoi(value(5))};
            i += 5;
        } else if (args[i] == "--attempts") {
            s.attempts = std::stoi(value());
            ++i;
        } else if (args[i] == "--iterations") {
            s.iterationsPerAttempt = std::stoll(value());
            ++i;
        } else if (args[i] == "--polish") {
            s.polishIterations = std::stoll(value());
            ++i;
        } else if (args[i] == "--weight") {
            s.guaranteeWeight = std::stoi(value());
            ++i;
        } else if (args[i] == "--polish-temperature") {
            s.polishStartTemperature = std::stod(value(1));
            s.polishEndTemperature = std::stod(value(2));
            i += 2;
        } else if (args[i] == "--temperature") {
            s.startTemperature = std::stod(value(1));
            s.endTemperature = std::stod(value(2));
            i += 2;
        } else if (args[i] == "--candidates") {
            s.candidates = std::max(1, std::stoi(value()));
            ++i;
        } else if (args[i] == "--cyclic") {
            s.start = StartKind::Cyclic;
        } else {
            return usage();
        }
    }
    if (docsOnly)
        return writeDocumentOnly(root);
    if (single) {
        s.seed = seed;
        return searchOnce(w, s);
    }
    if (first > 0) {
        for (const auto& o : buildAll(first, last, seed, jobs))
            if (!o.table.check.holds())
                return 2;
        return 0;
    }
    return generateAll(seed, jobs, root);
}
