// The wheel profile and the odds of one draw for the system with the most boards and the system
// with the most numbers. Baseline: a plain loop over the same cases and boards that only finds
// the best board of each case.
//   build/bench/orvane_core_benchmarks
#include "prizes/draw_odds.h"
#include "wheels/position_sets.h"
#include "wheels/wheel_profile.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <bit>
#include <string>
#include <vector>

namespace orvane::bench {
namespace {

void Profiled(benchmark::State& state, int system) {
    for (auto _ : state) {
        const DrawOdds odds = OddsOfOneDraw(ProfileOfSystem(system), 1);
        benchmark::DoNotOptimize(odds);
    }
}

void PlainLoop(benchmark::State& state, int system) {
    const std::vector<PositionMask> rows = MasksOfRows(CombinationTable(system));
    const int n = WheelCatalogue(system).numberCount;
    for (auto _ : state) {
        int bestSum = 0;
        for (int drawn = 0; drawn <= kDrawnMainNumbers; ++drawn)
            ForEachSet(1, n, drawn, [&](PositionMask cases) {
                int best = 0;
                for (const PositionMask row : rows)
                    best = std::max(best, std::popcount(row & cases));
                bestSum += best;
            });
        benchmark::DoNotOptimize(bestSum);
    }
}

// "WheelProfile/sys13/252boards", then its baseline.
void Register(int system) {
    const std::string name = "WheelProfile/sys" + std::to_string(system) + "/" +
                             std::to_string(WheelCatalogue(system).boardCount) + "boards";
    benchmark::RegisterBenchmark(name.c_str(), Profiled, system)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark((name + "/baseline:plain_loop").c_str(), PlainLoop, system)
        ->Unit(benchmark::kMillisecond);
}

} // namespace
} // namespace orvane::bench

int main(int argc, char* argv[]) {
    benchmark::Initialize(&argc, argv);
    orvane::bench::Register(13); // 252 boards, the most
    orvane::bench::Register(71); // 25 numbers, the most
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
