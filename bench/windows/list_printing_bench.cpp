// The list window's "Print the list of boards" clicked: every board printed as a line of a titled
// list in a PDF file. Baseline: the same text, recorded once, drawn straight onto a bare QPrinter
// writing a PDF file.
#include "bench/support/recorded_drawing.h"
#include "bench/windows/bench_program.h"
#include "bench/windows/window_benchmarks.h"
#include "output/board_list.h"
#include "output/board_list_window.h"
#include "output/qt_print_canvas.h"

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
    QtPrintCanvas pdf(program.pdfPath(QStringLiteral("recorded.pdf")));
    DrawingRecorder recorder(pdf);
    Session& session = program.session();
    PrintBoardList(session.run, session.grid, session.systemList, recorder, program.prompts());
    const QString path = program.pdfPath(QStringLiteral("replayed.pdf"));
    for (auto _ : state)
        DrawMarksToPdf(recorder.marks(), path);
    state.counters["pages"] = PageCount(recorder.marks());
    FailOnMessage(state, program);
}

} // namespace

void RegisterListPrintingBenchmarks(const std::vector<int>& systems) {
    RegisterAgainstBaseline("ListPrinted", PrintListClicked, "bare_QPrinter_same_text", BarePrinter,
                            systems);
}

} // namespace orvane::bench
