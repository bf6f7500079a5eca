// The list window opened: every board listed on showing, then the window painted. Baseline: a
// bare QListWidget of the same size and font, filled with the same lines and painted.
#include "bench/support/first_paint.h"
#include "bench/windows/bare_list.h"
#include "bench/windows/bench_program.h"
#include "bench/windows/window_benchmarks.h"
#include "output/board_list_window.h"

#include <QListWidget>
#include <benchmark/benchmark.h>

namespace orvane::bench {

namespace {

QListWidget* BoardList(BoardListWindow& window) {
    return window.findChild<QListWidget*>(QStringLiteral("listbull"));
}

void ListWindowShown(benchmark::State& state, int system) {
    BenchProgram program(system);
    BoardListWindow& window = *program.windows().boardList;
    for (auto _ : state) {
        window.show(); // each showing lists the boards afresh
        if (!WaitUntilPainted(&window)) {
            state.SkipWithError("the list window was never painted");
            break;
        }
        state.PauseTiming();
        window.hide();
        state.ResumeTiming();
    }
    state.counters["lines"] = BoardList(window)->count();
    FailOnMessage(state, program);
}

void BareListShown(benchmark::State& state, int system) {
    BenchProgram program(system);
    BoardListWindow& window = *program.windows().boardList;
    window.show();
    BareList bare(*BoardList(window));
    window.hide();

    QListWidget& list = bare.widget();
    for (auto _ : state) {
        bare.fill();
        list.show();
        if (!WaitUntilPainted(&list)) {
            state.SkipWithError("the bare list was never painted");
            break;
        }
        state.PauseTiming();
        list.hide();
        state.ResumeTiming();
    }
    state.counters["lines"] = list.count();
}

} // namespace

void RegisterListWindowBenchmarks(const std::vector<int>& systems) {
    RegisterAgainstBaseline("ListWindowShown", ListWindowShown, "bare_QListWidget", BareListShown,
                            systems);
}

} // namespace orvane::bench
