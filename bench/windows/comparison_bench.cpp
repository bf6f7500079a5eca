// The comparison window's "View Results" clicked: every board compared with the draw, listed and
// counted, and the window painted. Baseline: a bare QListWidget of the same size and font, filled
// with the same result lines and painted.
#include "bench/support/first_paint.h"
#include "bench/support/selection_marking.h"
#include "bench/windows/bare_list.h"
#include "bench/windows/bench_program.h"
#include "bench/windows/window_benchmarks.h"
#include "results/comparison_window.h"

#include <QListWidget>
#include <QPushButton>
#include <benchmark/benchmark.h>

namespace orvane::bench {

namespace {

QListWidget* ResultList(ComparisonWindow& window) {
    return window.findChild<QListWidget*>(QStringLiteral("listresul"));
}

void CompareClicked(benchmark::State& state, int system) {
    BenchProgram program(system);
    ComparisonWindow& window = *program.windows().comparison;
    window.show();
    EnterWinningDraw(window, system);
    WaitUntilPainted(&window);
    auto* view = window.findChild<QPushButton*>(QStringLiteral("button1"));
    for (auto _ : state) {
        view->click();
        if (!WaitUntilPainted(&window)) {
            state.SkipWithError("the comparison window was never painted");
            break;
        }
    }
    state.counters["lines"] = ResultList(window)->count();
    FailOnMessage(state, program);
}

void BareResultList(benchmark::State& state, int system) {
    BenchProgram program(system);
    ComparisonWindow& window = *program.windows().comparison;
    window.show();
    EnterWinningDraw(window, system);
    window.findChild<QPushButton*>(QStringLiteral("button1"))->click();
    BareList bare(*ResultList(window));
    window.hide();

    QListWidget& list = bare.widget();
    list.show();
    WaitUntilPainted(&list);
    for (auto _ : state) {
        bare.fill();
        if (!WaitUntilPainted(&list)) {
            state.SkipWithError("the bare list was never painted");
            break;
        }
    }
    state.counters["lines"] = list.count();
}

} // namespace

void RegisterComparisonBenchmarks(const std::vector<int>& systems) {
    RegisterAgainstBaseline("CompareClicked", CompareClicked, "bare_QListWidget", BareResultList,
                            systems);
}

} // namespace orvane::bench
