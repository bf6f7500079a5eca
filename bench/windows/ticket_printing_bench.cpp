// The print options window's "Print" clicked with its opening values: every board of the system
// printed onto tickets (system 13: 252 boards, 42 tickets) in a PDF file. Baseline: the same marks,
// recorded once, drawn straight onto a bare QPrinter writing a PDF file.
// The preview of the same tickets opened from that window and every page of it painted, against
// the same window's "Print" writing them into a PDF file.
#include "bench/support/first_paint.h"
#include "bench/windows/bare_printer.h"
#include "bench/windows/bench_program.h"
#include "bench/windows/window_benchmarks.h"
#include "output/print_preview_window.h"
#include "output/ticket_layout.h"
#include "output/ticket_print_window.h"
#include "output/ticket_printing.h"
#include "wheels/wheel_catalogue.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <benchmark/benchmark.h>

namespace orvane::bench {

namespace {

void PrintClicked(benchmark::State& state, int system) {
    BenchProgram program(system);
    TicketPrintWindow& window = *program.windows().ticketPrint;
    auto* print = window.findChild<QPushButton*>(QStringLiteral("boutlancer"));
    for (auto _ : state) {
        state.PauseTiming();
        window.show(); // the range is every board, the first layout chosen
        state.ResumeTiming();
        print->click(); // prints, then closes the window
    }
    const int perTicket = TicketLayouts().front().boardsPerTicket();
    state.counters["tickets"] = (WheelCatalogue(system).boardCount + perTicket - 1) / perTicket;
    FailOnMessage(state, program);
}

void BarePrinter(benchmark::State& state, int system) {
    BenchProgram program(system);
    ReplayOnBarePrinter(state, program, "tickets", [&](PrintCanvas& canvas) {
        // As the window prints with its opening values: the first layout, every board, no numbers.
        Session& session = program.session();
        PrintTickets(session.boards(), session.settings, canvas, program.prompts(), 1,
                     PrintMode::AllAtOnce, 1, WheelCatalogue(system).boardCount, false);
    });
}

void PreviewPainted(benchmark::State& state, int system) {
    BenchProgram program(system);
    TicketPrintWindow& window = *program.windows().ticketPrint;
    auto* preview = window.findChild<QPushButton*>(QStringLiteral("boutapercu"));
    int pages = 0;
    for (auto _ : state) {
        state.PauseTiming();
        window.show(); // the range is every board, the first layout chosen
        state.ResumeTiming();
        bool painted = true;
        // Once the preview is open: each page in turn, painted, then the preview closed.
        QTimer::singleShot(0, [&] {
            auto* shown = qobject_cast<PrintPreviewWindow*>(QApplication::activeModalWidget());
            if (!shown) {
                painted = false;
                return;
            }
            pages = shown->pageCount();
            for (int page = 0; page < pages && painted; ++page) {
                shown->showPage(page);
                painted = WaitUntilPainted(shown);
            }
            shown->reject();
        });
        preview->click();
        state.PauseTiming();
        window.hide();
        state.ResumeTiming();
        if (!painted) {
            state.SkipWithError("the preview was never painted");
            return;
        }
    }
    state.counters["tickets"] = pages;
    FailOnMessage(state, program);
}

} // namespace

void RegisterTicketPrintingBenchmarks(const std::vector<int>& systems) {
    RegisterAgainstBaseline("TicketsPrinted", PrintClicked, "bare_QPrinter_same_marks", BarePrinter,
                            systems);
    RegisterAgainstBaseline("TicketPreviewPainted", PreviewPainted, "same_tickets_printed_to_pdf",
                            PrintClicked, systems);
}

} // namespace orvane::bench
