// The windows that go through every board, for the largest systems of the catalogue, each next to
// its bare-Qt baseline:   build/bench/orvane_benchmarks
#include "app/program_windows.h"
#include "bench/support/largest_systems.h"
#include "bench/windows/bench_program.h"
#include "bench/windows/window_benchmarks.h"
#include "wheels/wheel_catalogue.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace orvane::bench {

void RegisterAgainstBaseline(const char* what, SystemBenchmark measured, const char* how,
                             SystemBenchmark baseline, const std::vector<int>& systems) {
    for (const int system : systems) {
        const std::string name = std::string(what) + "/sys" + std::to_string(system) + "/" +
                                 std::to_string(WheelCatalogue(system).boardCount) + "boards";
        benchmark::RegisterBenchmark(name.c_str(), measured, system)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
        benchmark::RegisterBenchmark((name + "/baseline:" + how).c_str(), baseline, system)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
    }
}

void FailOnMessage(benchmark::State& state, const BenchProgram& program) {
    const std::string message = program.firstMessage();
    if (!message.empty())
        state.SkipWithError(("a message box came up: " + message).c_str());
}

} // namespace orvane::bench

int main(int argc, char* argv[]) {
    // Headless unless a platform was asked for (xcb under Xvfb, for one).
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QApplication app(argc, argv);
    orvane::InstallFontSubstitutes();
    benchmark::Initialize(&argc, argv);

    const std::vector<int> systems = orvane::bench::LargestSystems(3);
    orvane::bench::RegisterListWindowBenchmarks(systems);
    orvane::bench::RegisterComparisonBenchmarks(systems);
    orvane::bench::RegisterBoardsViewBenchmarks(systems);
    orvane::bench::RegisterTicketPrintingBenchmarks(systems);
    orvane::bench::RegisterListPrintingBenchmarks(systems);
    // The profile's work grows with the marked numbers more than with the boards: the system
    // with the most boards, and the one with the most numbers.
    orvane::bench::RegisterWheelProfileBenchmarks(
        {systems.front(), orvane::bench::SystemWithMostNumbers()});
    // Every board of the system with the most boards against every draw kept.
    orvane::bench::RegisterDrawHistoryBenchmarks({systems.front()});
    orvane::bench::RegisterMakeWheelBenchmarks({systems.front()});

    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
