// The wheel profile opened with its menu item, timed from the click until the window has been
// painted: the first opening, which creates the window, and a later one. Baselines: a bare QDialog
// of the same size holding the same texts in labels and two QTableWidgets, created, filled and
// shown modally (against the first opening), or refilled and shown again (against a later one).
// And the window shown again with its charts open beside it, both painted, against the window shown
// again without them.
#include "app/main_window.h"
#include "bench/support/first_paint.h"
#include "bench/windows/bench_program.h"
#include "bench/windows/window_benchmarks.h"
#include "prizes/wheel_profile_charts_window.h"
#include "prizes/wheel_profile_window.h"
#include "wheels/wheel_catalogue.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QTableWidget>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <chrono>
#include <memory>
#include <optional>
#include <vector>

namespace orvane::bench {

namespace {

using Clock = std::chrono::steady_clock;

const QString kWindowName = QStringLiteral("WheelProfile");

// Runs `open`, which shows a modal window named `name` and returns once it is closed; closes it as
// soon as it has been painted. The time from the call to the paint; nothing if it never came.
std::optional<Clock::duration> timeToPaint(const QString& name, const std::function<void()>& open) {
    std::optional<Clock::time_point> painted;
    WhenWindowPainted(name, [&] {
        painted = Clock::now();
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
    });
    // Whatever happens, the modal window does not stay open.
    QTimer giveUp;
    giveUp.setSingleShot(true);
    QObject::connect(&giveUp, &QTimer::timeout, [] {
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
    });
    giveUp.start(5000);
    const Clock::time_point start = Clock::now();
    open();
    if (!painted)
        return std::nullopt;
    return *painted - start;
}

void record(benchmark::State& state, std::optional<Clock::duration> took) {
    if (!took) {
        state.SkipWithError("the window was never painted");
        return;
    }
    state.SetIterationTime(std::chrono::duration<double>(*took).count());
}

// The program with the system's selection marked and its main window shown and painted.
std::unique_ptr<BenchProgram> shownProgram(int system) {
    auto program = std::make_unique<BenchProgram>(system);
    QWidget* main = program->windows().main;
    main->show();
    WaitUntilPainted(main);
    return program;
}

void openFromMenu(BenchProgram& program) {
    program.windows().main->findChild<QAction*>(QStringLiteral("mProfil1"))->trigger();
}

void FirstOpened(benchmark::State& state, int system) {
    std::unique_ptr<BenchProgram> program;
    for (auto _ : state) {
        program.reset();
        program = shownProgram(system); // not timed: the clock is manual
        record(state, timeToPaint(kWindowName, [&] { openFromMenu(*program); }));
    }
    FailOnMessage(state, *program);
}

void OpenedAgain(benchmark::State& state, int system) {
    const std::unique_ptr<BenchProgram> program = shownProgram(system);
    timeToPaint(kWindowName, [&] { openFromMenu(*program); });
    for (auto _ : state)
        record(state, timeToPaint(kWindowName, [&] { openFromMenu(*program); }));
    FailOnMessage(state, *program);
}

// What the window shows, to put into the bare dialog.
struct ShownTexts {
    QSize size;
    std::vector<std::pair<QRect, QString>> labels;
    struct Table {
        QRect place;
        int rows = 0;
        int columns = 0;
        std::vector<QString> cells; // row by row
    };
    std::vector<Table> tables;
};

ShownTexts textsOfTheWindow(int system) {
    const std::unique_ptr<BenchProgram> program = shownProgram(system);
    WheelProfileWindow* window = program->windows().wheelProfile.get();
    window->show();
    ShownTexts shown;
    shown.size = window->size();
    for (const QLabel* label : window->findChildren<QLabel*>())
        if (!label->text().isEmpty())
            shown.labels.emplace_back(QRect(label->mapTo(window, QPoint()), label->size()),
                                      label->text());
    for (const QTableWidget* table : window->findChildren<QTableWidget*>()) {
        ShownTexts::Table t{table->geometry(), table->rowCount(), table->columnCount(), {}};
        for (int r = 0; r < t.rows; ++r)
            for (int c = 0; c < t.columns; ++c)
                t.cells.push_back(table->item(r, c) ? table->item(r, c)->text() : QString());
        shown.tables.push_back(t);
    }
    window->hide();
    return shown;
}

class BareDialog {
  public:
    explicit BareDialog(const ShownTexts& shown) {
        m_dialog.setObjectName(QStringLiteral("BareProfile"));
        m_dialog.setFixedSize(shown.size);
        for (const auto& [place, text] : shown.labels) {
            auto* label = new QLabel(&m_dialog);
            label->setGeometry(place);
            label->setWordWrap(true);
            m_labels.emplace_back(label, text);
        }
        for (const ShownTexts::Table& t : shown.tables) {
            auto* table = new QTableWidget(t.rows, t.columns, &m_dialog);
            table->setGeometry(t.place);
            m_tables.emplace_back(table, &t);
        }
        fill();
    }
    void fill() {
        for (auto& [label, text] : m_labels)
            label->setText(text);
        for (auto& [table, t] : m_tables)
            for (int r = 0; r < t->rows; ++r)
                for (int c = 0; c < t->columns; ++c)
                    table->setItem(r, c,
                                   new QTableWidgetItem(
                                       t->cells[static_cast<std::size_t>(r * t->columns + c)]));
    }
    QDialog& dialog() { return m_dialog; }

  private:
    QDialog m_dialog;
    std::vector<std::pair<QLabel*, QString>> m_labels;
    std::vector<std::pair<QTableWidget*, const ShownTexts::Table*>> m_tables;
};

void BareCreated(benchmark::State& state, int system) {
    const ShownTexts shown = textsOfTheWindow(system);
    for (auto _ : state) {
        std::unique_ptr<BareDialog> bare;
        record(state, timeToPaint(QStringLiteral("BareProfile"), [&] {
                   bare = std::make_unique<BareDialog>(shown);
                   bare->dialog().exec();
               }));
    }
}

void BareShownAgain(benchmark::State& state, int system) {
    const ShownTexts shown = textsOfTheWindow(system);
    BareDialog bare(shown);
    for (auto _ : state)
        record(state, timeToPaint(QStringLiteral("BareProfile"), [&] {
                   bare.fill();
                   bare.dialog().exec();
               }));
}

// The window hidden and shown again, which profiles the system anew, until painted; with the charts
// open, until they too are painted with the new figures.
void shownAgain(benchmark::State& state, int system, bool withCharts) {
    const std::unique_ptr<BenchProgram> program = shownProgram(system);
    WheelProfileWindow* window = program->windows().wheelProfile.get();
    window->show();
    WaitUntilPainted(window);
    if (withCharts) {
        window->ShowCharts();
        WaitUntilPainted(window->charts());
    }
    for (auto _ : state) {
        window->hide();
        QApplication::processEvents();
        const Clock::time_point start = Clock::now();
        window->show();
        const bool painted =
            withCharts ? WaitUntilAllPainted({window, window->charts()}) : WaitUntilPainted(window);
        if (!painted) {
            state.SkipWithError("the window or its charts were never painted");
            break;
        }
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
    }
    FailOnMessage(state, *program);
}

void ShownAgainWithCharts(benchmark::State& state, int system) {
    shownAgain(state, system, true);
}

void ShownAgainWithoutCharts(benchmark::State& state, int system) {
    shownAgain(state, system, false);
}

void registerTimed(const std::string& name, SystemBenchmark run, int system) {
    benchmark::RegisterBenchmark(name.c_str(), run, system)
        ->Unit(benchmark::kMillisecond)
        ->UseManualTime();
}

} // namespace

void RegisterWheelProfileBenchmarks(const std::vector<int>& systems) {
    for (const int system : systems) {
        const std::string suffix = "/sys" + std::to_string(system) + "/" +
                                   std::to_string(WheelCatalogue(system).numberCount) + "numbers_" +
                                   std::to_string(WheelCatalogue(system).boardCount) + "boards";
        registerTimed("WheelProfileFirstOpened" + suffix, FirstOpened, system);
        registerTimed("WheelProfileFirstOpened" + suffix + "/baseline:bare_QDialog_created",
                      BareCreated, system);
        registerTimed("WheelProfileOpenedAgain" + suffix, OpenedAgain, system);
        registerTimed("WheelProfileOpenedAgain" + suffix + "/baseline:bare_QDialog_shown_again",
                      BareShownAgain, system);
        registerTimed("WheelProfileShownAgainWithCharts" + suffix, ShownAgainWithCharts, system);
        registerTimed("WheelProfileShownAgainWithCharts" + suffix +
                          "/baseline:same_window_without_charts",
                      ShownAgainWithoutCharts, system);
    }
}

} // namespace orvane::bench
