// The list window's "Print the list of boards" clicked: every board printed as a line of a titled
// list in a PDF file. Baseline: the same text, recorded once, drawn straight onto a bare QPrinter
// writing a PDF file.
#include "bench/windows/bare_printer.h"
#include "bench/windows/bench_program.h"
#include "bench/windows/window_benchmarks.h"
#include "output/board_list.h"
#include "output/board_list_window.h"

#include <QToolButton>
#include <benchmark/benchmark.h>

namespace orvane::bench {

namespace {

void PrintListClicked(benchmark::State& state, int system) {
    BenchProgram program(system);
    BoardListWindow& window = *program.windows().boardList;
    window.show();
    auto* print = window.findChild<QToolButton*>(QStringLiteral("BitBtn6"));
    for (auto _ : state)
        print->click();
    FailOnMessage(state, program);
}

void BarePrinter(benchmark::State& state, int system) {
    BenchProgram program(system);
    ReplayOnBarePrinter(state, program, "pages", [&](PrintCanvas& canvas) {
        Session& session = program.session();
        PrintBoardList(session.boards(), canvas, program.prompts());
    });
}

} // namespace

void RegisterListPrintingBenchmarks(const std::vector<int>& systems) {
    RegisterAgainstBaseline("ListPrinted", PrintListClicked, "bare_QPrinter_same_text", BarePrinter,
                            systems);
}

} // namespace orvane::bench
