// The Make a wheel window while a search runs: how long a repaint the window asks for takes to
// reach the screen, with the wheel maker busy on its own thread ("3 if 5" on 39 numbers, which
// keeps it searching). Each iteration asks for a repaint of the whole window and waits for it;
// the maximum is the figure to hold against 50 ms.
#include "app/main_window.h"
#include "bench/support/first_paint.h"
#include "bench/windows/bench_program.h"
#include "bench/windows/window_benchmarks.h"
#include "wheelmaker/make_wheel_window.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSpinBox>
#include <algorithm>
#include <benchmark/benchmark.h>

namespace orvane::bench {

namespace {

void RepaintedWhileSearching(benchmark::State& state, int system) {
    BenchProgram program(system);
    MakeWheelWindow& window = *program.windows().makeWheel.get();
    window.show();
    WaitUntilPainted(&window);
    window.findChild<QSpinBox*>(QStringLiteral("snumbers"))->setValue(39);
    window.findChild<QSpinBox*>(QStringLiteral("sfixed"))->setValue(0);
    window.findChild<QComboBox*>(QStringLiteral("cpromise"))
        ->setCurrentText(QStringLiteral("3 if 5"));
    window.findChild<QSpinBox*>(QStringLiteral("sseconds"))->setValue(600);
    window.Start();
    double most = 0;
    for (auto _ : state) {
        if (!window.isSearching()) {
            state.SkipWithError("the search ended before the measure");
            break;
        }
        QElapsedTimer timer;
        timer.start();
        window.update();
        if (!WaitUntilPainted(&window)) {
            state.SkipWithError("the window was never painted");
            break;
        }
        most = std::max(most, static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    window.Stop();
    while (window.isSearching())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    state.counters["most_ms"] = most;
}

} // namespace

void RegisterMakeWheelBenchmarks(const std::vector<int>& systems) {
    for (const int system : systems)
        benchmark::RegisterBenchmark("MakeWheelRepaintedWhileSearching", RepaintedWhileSearching,
                                     system)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime()
            ->Iterations(200);
}

} // namespace orvane::bench
