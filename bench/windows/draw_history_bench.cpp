// The draw history with 4,000 draws: "Check every draw" clicked, every board checked against every
// draw, the table and the totals refilled, and the window painted, against a plain loop over the
// same boards and draws, matching each board's five numbers and Thunderball against each draw's and
// counting the wins per rank, with nothing on screen. Also, with no baseline but the figures of
// earlier code: the 4,000 draws imported from a file into an empty history, and the window's first
// opening with them kept. And the check clicked with the charts open beside the window, the three
// of them painted, against the same click with no charts.
#include "app/main_window.h"
#include "bench/support/first_paint.h"
#include "bench/windows/bench_program.h"
#include "bench/windows/window_benchmarks.h"
#include "common/chart_view.h"
#include "playerdata/player_database.h"
#include "results/draw_history_charts_window.h"
#include "results/draw_history_store.h"
#include "results/draw_history_window.h"
#include "results/plain_draw_line.h"
#include "wheels/board_run.h"

#include <QFile>
#include <QPushButton>
#include <QTableView>
#include <algorithm>
#include <array>
#include <benchmark/benchmark.h>
#include <numeric>
#include <random>

namespace orvane::bench {

namespace {

constexpr int kDraws = 4000;

// Draws of every kind, the same in every run, a few days apart going back from March 2025.
std::vector<StoredDraw> PastDraws() {
    std::mt19937 random(3000);
    std::vector<StoredDraw> draws;
    DrawDate date{2025, 3, 28};
    for (int i = 0; i < kDraws; ++i) {
        std::array<int, kMainNumbers> pool{};
        std::iota(pool.begin(), pool.end(), 1);
        std::shuffle(pool.begin(), pool.end(), random);
        const int thunderball = static_cast<int>(random() % kThunderballNumbers) + 1;
        draws.push_back(
            MakeStoredDraw(date, Draw{{pool[0], pool[1], pool[2], pool[3], pool[4]}, thunderball}));
        for (int back = 0; back < 3; ++back) {
            if (--date.day == 0) {
                date.month = date.month == 1 ? 12 : date.month - 1;
                date.year -= date.month == 12 ? 1 : 0;
                date.day = 28; // every month has it
            }
        }
    }
    return draws;
}

// The program with the system's selection marked and checked, and the draws kept in its data
// folder, read when the history first shows.
std::unique_ptr<BenchProgram> ProgramWithDraws(int system) {
    auto program = std::make_unique<BenchProgram>(system);
    PlayerDatabase database(program->session().dataFolder);
    DrawHistoryStore store(database, program->session().dataFolder);
    if (!store.add(PastDraws()).saved)
        return nullptr;
    return program;
}

// The draws in the plain layout, one a line, as a player's file to import.
bool WriteDrawFile(const QString& path) {
    std::string text;
    for (const StoredDraw& draw : PastDraws())
        text += PlainDrawLine(draw) + "\n";
    QFile file(path);
    return file.open(QIODevice::WriteOnly) &&
           file.write(text.data(), static_cast<qint64>(text.size())) ==
               static_cast<qint64>(text.size());
}

// Import clicked in a history that keeps nothing yet, until the window is painted again.
void ImportClicked(benchmark::State& state, int system) {
    for (auto _ : state) {
        state.PauseTiming();
        auto program = std::make_unique<BenchProgram>(system);
        const QString path = program->pdfPath(QStringLiteral("draws.txt"));
        if (!WriteDrawFile(path)) {
            state.SkipWithError("the draw file could not be written");
            break;
        }
        program->openPath().answer = path.toStdString();
        DrawHistoryWindow& window = *program->windows().drawHistory;
        window.show();
        WaitUntilPainted(&window);
        auto* import = window.findChild<QPushButton*>(QStringLiteral("bimport"));
        state.ResumeTiming();
        import->click();
        const bool painted = WaitUntilPainted(&window);
        state.PauseTiming();
        const auto* table = window.findChild<QTableView*>(QStringLiteral("tdraws"));
        state.counters["draws"] = table->model()->rowCount();
        FailOnMessage(state, *program);
        program.reset();
        state.ResumeTiming();
        if (!painted) {
            state.SkipWithError("the history window was never painted");
            break;
        }
    }
}

// The window made and shown for the first time, with the draws kept, until painted.
void FirstOpened(benchmark::State& state, int system) {
    for (auto _ : state) {
        state.PauseTiming();
        std::unique_ptr<BenchProgram> program = ProgramWithDraws(system);
        if (!program) {
            state.SkipWithError("the draws could not be kept");
            break;
        }
        state.ResumeTiming();
        DrawHistoryWindow& window = *program->windows().drawHistory;
        window.show();
        const bool painted = WaitUntilPainted(&window);
        state.PauseTiming();
        const auto* table = window.findChild<QTableView*>(QStringLiteral("tdraws"));
        state.counters["draws"] = table->model()->rowCount();
        program.reset();
        state.ResumeTiming();
        if (!painted) {
            state.SkipWithError("the history window was never painted");
            break;
        }
    }
}

void CheckClicked(benchmark::State& state, int system) {
    const std::unique_ptr<BenchProgram> program = ProgramWithDraws(system);
    if (!program) {
        state.SkipWithError("the draws could not be kept");
        return;
    }
    DrawHistoryWindow& window = *program->windows().drawHistory;
    window.show();
    WaitUntilPainted(&window);
    auto* check = window.findChild<QPushButton*>(QStringLiteral("bcheck"));
    for (auto _ : state) {
        check->click();
        if (!WaitUntilPainted(&window)) {
            state.SkipWithError("the history window was never painted");
            break;
        }
    }
    const auto* table = window.findChild<QTableView*>(QStringLiteral("tdraws"));
    state.counters["draws"] = table->model()->rowCount();
    state.counters["boards"] = program->session().run.boardCount();
    FailOnMessage(state, *program);
}

// As CheckClicked, with the charts window open: the net so far over 4,000 draws redrawn, and both
// counts of the numbers, whose page is not in view, painted all the same.
void CheckClickedWithCharts(benchmark::State& state, int system) {
    const std::unique_ptr<BenchProgram> program = ProgramWithDraws(system);
    if (!program) {
        state.SkipWithError("the draws could not be kept");
        return;
    }
    DrawHistoryWindow& window = *program->windows().drawHistory;
    window.show();
    WaitUntilPainted(&window);
    window.ShowCharts();
    DrawHistoryChartsWindow& charts = *window.charts();
    WaitUntilPainted(&charts);
    auto* check = window.findChild<QPushButton*>(QStringLiteral("bcheck"));
    for (auto _ : state) {
        check->click();
        const bool painted = WaitUntilAllPainted({&window, &charts});
        benchmark::DoNotOptimize(charts.mainNumbers().grab());
        benchmark::DoNotOptimize(charts.thunderballs().grab());
        if (!painted) {
            state.SkipWithError("the history or its charts were never painted");
            break;
        }
    }
    state.counters["points"] = static_cast<double>(charts.money().chart().categories.size());
    FailOnMessage(state, *program);
}

// A board or a draw as five main numbers and a Thunderball.
struct Numbers {
    std::array<int, kDrawnMainNumbers> main{};
    int thunderball = 0;
};

void PlainLoop(benchmark::State& state, int system) {
    const std::unique_ptr<BenchProgram> program = ProgramWithDraws(system);
    if (!program) {
        state.SkipWithError("the draws could not be kept");
        return;
    }
    // The same boards, built by the run once, as plain numbers.
    BoardRun& run = program->session().run;
    run.StartRun(system);
    std::vector<Numbers> boards;
    for (int k = 1; k <= run.boardCount(); ++k) {
        run.BuildBoard(k, program->session().grid);
        Numbers board;
        std::size_t at = 0;
        for (int n = 1; n <= kMainNumbers; ++n)
            if (run.currentBoard(n) == 1)
                board.main[at++] = n;
        for (int t = 1; t <= kThunderballNumbers; ++t)
            if (run.currentBoard(ThunderballCell(t)) == 1)
                board.thunderball = t;
        boards.push_back(board);
    }
    std::vector<Numbers> draws;
    for (const StoredDraw& stored : PastDraws())
        draws.push_back({stored.draw.main, stored.draw.thunderball});

    long long wins = 0;
    for (auto _ : state) {
        // Winning lines per main matches and Thunderball: [matches][hit].
        std::array<std::array<long long, 2>, kDrawnMainNumbers + 1> counts{};
        for (const Numbers& draw : draws)
            for (const Numbers& board : boards) {
                int matches = 0;
                for (const int b : board.main)
                    for (const int d : draw.main)
                        matches += b == d ? 1 : 0;
                ++counts[static_cast<std::size_t>(matches)][board.thunderball == draw.thunderball];
            }
        benchmark::DoNotOptimize(counts);
        wins = counts[5][1] + counts[5][0] + counts[4][1] + counts[4][0] + counts[3][1] +
               counts[3][0] + counts[2][1] + counts[1][1];
    }
    state.counters["draws"] = static_cast<double>(draws.size());
    state.counters["boards"] = static_cast<double>(boards.size());
    state.counters["wins"] = static_cast<double>(wins);
}

} // namespace

void RegisterDrawHistoryBenchmarks(const std::vector<int>& systems) {
    RegisterAgainstBaseline("HistoryCheckClicked/4000draws", CheckClicked, "plain_loop", PlainLoop,
                            systems);
    RegisterAgainstBaseline("HistoryCheckClickedWithCharts/4000draws", CheckClickedWithCharts,
                            "same_window_without_charts", CheckClicked, systems);
    for (const int system : systems) {
        benchmark::RegisterBenchmark("HistoryImported/4000draws", ImportClicked, system)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
        benchmark::RegisterBenchmark("HistoryFirstOpened/4000draws", FirstOpened, system)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
    }
}

} // namespace orvane::bench
