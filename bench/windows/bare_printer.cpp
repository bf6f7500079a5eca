#include "bench/windows/bare_printer.h"

#include "bench/support/recorded_drawing.h"
#include "bench/windows/bench_program.h"
#include "bench/windows/window_benchmarks.h"
#include "output/qt_print_canvas.h"

#include <benchmark/benchmark.h>

namespace orvane::bench {

void ReplayOnBarePrinter(benchmark::State& state, BenchProgram& program, const char* pagesCounter,
                         const std::function<void(PrintCanvas& canvas)>& print) {
    QtPrintCanvas pdf(program.pdfPath(QStringLiteral("recorded.pdf")));
    DrawingRecorder recorder(pdf);
    print(recorder);
    const QString path = program.pdfPath(QStringLiteral("replayed.pdf"));
    for (auto _ : state)
        DrawMarksToPdf(recorder.marks(), path);
    state.counters[pagesCounter] = PageCount(recorder.marks());
    FailOnMessage(state, program);
}

} // namespace orvane::bench
