#pragma once
// The baseline of the print benchmarks: what the program's own printing draws, recorded once,
// then drawn straight onto a bare QPrinter writing a PDF file in every iteration.

#include "output/print_canvas.h"

#include <functional>

namespace benchmark {
class State;
}

namespace orvane::bench {

class BenchProgram;

// Records what `print` draws on the canvas it is given, then times drawing it again, and counts
// the pages as `pagesCounter`.
void ReplayOnBarePrinter(benchmark::State& state, BenchProgram& program, const char* pagesCounter,
                         const std::function<void(PrintCanvas& canvas)>& print);

} // namespace orvane::bench
