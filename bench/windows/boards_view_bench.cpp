// The boards view stepped with its "next" button from the first board to the last, the window
// painted after every step. Baseline: a bare window of the same size with a QLabel over each of
// the 53 cells, its pictures set to the same boards in turn and painted after every step.
#include "app/session.h"
#include "bench/support/first_paint.h"
#include "bench/windows/bench_program.h"
#include "bench/windows/window_benchmarks.h"
#include "wheels/boards_view.h"
#include "wheels/ticket_grid_panel.h"
#include "wheels/wheel_catalogue.h"

#include <QLabel>
#include <QPushButton>
#include <array>
#include <benchmark/benchmark.h>

namespace orvane::bench {

namespace {

using BoardCellsShown = std::array<bool, kLastScreenCell>;

void StepThroughBoards(benchmark::State& state, int system) {
    BenchProgram program(system);
    BoardsView& view = *program.windows().boardsView;
    auto* next = view.findChild<QPushButton*>(QStringLiteral("BitBtn4"));
    const int steps = WheelCatalogue(system).boardCount - 1;
    for (auto _ : state) {
        state.PauseTiming();
        view.hide();
        view.show(); // back to the first board
        WaitUntilPainted(&view);
        state.ResumeTiming();
        for (int step = 0; step < steps; ++step) {
            next->click();
            if (!WaitUntilPainted(&view)) {
                state.SkipWithError("the boards view was never painted");
                return;
            }
        }
    }
    state.counters["steps"] = steps;
    FailOnMessage(state, program);
}

void BareCellLabels(benchmark::State& state, int system) {
    BenchProgram program(system);
    BoardsView& view = *program.windows().boardsView;
    view.show();
    Session& session = program.session(); // the run the showing started
    std::vector<BoardCellsShown> boards;
    for (int k = 1; k <= session.run.boardCount(); ++k) {
        session.run.BuildBoard(k, session.grid);
        BoardCellsShown shown{};
        for (int tag = 1; tag <= kLastScreenCell; ++tag)
            shown[static_cast<std::size_t>(tag - 1)] = session.run.currentBoard(tag) != 0;
        boards.push_back(shown);
    }

    QWidget window;
    window.setFixedSize(view.size());
    std::array<QLabel*, kLastScreenCell> labels{};
    for (int tag = 1; tag <= kLastScreenCell; ++tag) {
        const GridCell* cell = view.findChild<GridCell*>(QStringLiteral("cell%1").arg(tag));
        labels[static_cast<std::size_t>(tag - 1)] = new QLabel(&window);
        labels[static_cast<std::size_t>(tag - 1)]->setGeometry(
            QRect(cell->mapTo(&view, QPoint(0, 0)), cell->size()));
    }
    view.hide();
    QPixmap cross(labels.front()->size());
    cross.fill(Qt::red);

    BoardCellsShown current{};
    const auto showBoard = [&](const BoardCellsShown& board) {
        for (std::size_t i = 0; i < board.size(); ++i) {
            if (board[i] == current[i])
                continue;
            if (board[i])
                labels[i]->setPixmap(cross);
            else
                labels[i]->clear();
        }
        current = board;
    };
    for (auto _ : state) {
        state.PauseTiming();
        window.hide();
        showBoard(boards.front());
        window.show();
        WaitUntilPainted(&window);
        state.ResumeTiming();
        for (std::size_t k = 1; k < boards.size(); ++k) {
            showBoard(boards[k]);
            if (!WaitUntilPainted(&window)) {
                state.SkipWithError("the bare window was never painted");
                return;
            }
        }
    }
    state.counters["steps"] = static_cast<double>(boards.size() - 1);
}

} // namespace

void RegisterBoardsViewBenchmarks(const std::vector<int>& systems) {
    RegisterAgainstBaseline("BoardsViewStepped", StepThroughBoards, "bare_QLabel_cells",
                            BareCellLabels, systems);
}

} // namespace orvane::bench
