// Printing and listing every board of the largest full system: system 13, 252 boards of ten
// numbers (42 tickets), printed to a PDF file through QPrinter and listed in the list window.
#include "app/app_windows.h"
#include "app/program_windows.h"
#include "app/prompts.h"
#include "app/session.h"
#include "output/board_list.h"
#include "output/board_list_window.h"
#include "output/qt_print_canvas.h"
#include "output/ticket_printing.h"

#include <QApplication>
#include <QListWidget>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

class AnswerOk final : public orvane::Prompts {
  public:
    orvane::PromptAnswer ask(const orvane::Prompt&) override { return orvane::PromptAnswer::Ok; }
};

// System 13 over ten numbers and one Thunderball number, as a passing check leaves it.
void MarkSystem13(orvane::Session& session) {
    session.systemList.choose(session.systemList.positionOfSystem(13));
    for (int cell : {3, 7, 11, 16, 19, 24, 28, 31, 35, 38})
        session.grid.setState(cell, orvane::kSelected);
    session.grid.setState(orvane::ThunderballCell(5), orvane::kSelected);
    session.run.RebuildPlayOrder(session.grid);
}

void PrintAllTicketsToPdf(benchmark::State& state) {
    QTemporaryDir folder;
    orvane::Session session;
    MarkSystem13(session);
    AnswerOk prompts;
    orvane::QtPrintCanvas canvas(folder.filePath(QStringLiteral("tickets.pdf")));
    for (auto _ : state)
        orvane::PrintTickets(session, canvas, prompts, 1, orvane::PrintMode::AllAtOnce, 1, 252,
                             false);
    state.counters["boards"] = session.run.boardCount();
}
BENCHMARK(PrintAllTicketsToPdf)->Unit(benchmark::kMillisecond);

void PrintTheListToPdf(benchmark::State& state) {
    QTemporaryDir folder;
    orvane::Session session;
    MarkSystem13(session);
    AnswerOk prompts;
    orvane::QtPrintCanvas canvas(folder.filePath(QStringLiteral("list.pdf")));
    for (auto _ : state)
        orvane::PrintBoardList(session, canvas, prompts);
}
BENCHMARK(PrintTheListToPdf)->Unit(benchmark::kMillisecond);

void FillTheListWindow(benchmark::State& state) {
    orvane::Session session;
    MarkSystem13(session);
    AnswerOk prompts;
    orvane::QtPrintCanvas canvas(QStringLiteral("/dev/null"));
    orvane::AppWindows windows;
    orvane::BoardListWindow window(session, prompts, canvas, windows);
    for (auto _ : state) {
        window.show(); // every showing lists the boards again
        window.hide();
    }
    state.counters["lines"] = window.findChild<QListWidget*>(QStringLiteral("listbull"))->count();
}
BENCHMARK(FillTheListWindow)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QApplication app(argc, argv);
    orvane::InstallFontSubstitutes();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
