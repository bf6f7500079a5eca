#include "results/draw_history_charts_window.h"

#include "common/chart_view.h"
#include "common/window_style.h"
#include "results/history_charts.h"

#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>

namespace orvane {

namespace {

QLabel* note(const char* name) {
    auto* label = new QLabel;
    label->setObjectName(QLatin1String(name));
    label->setWordWrap(true);
    label->setFont(WindowFont(false));
    return label;
}

} // namespace

DrawHistoryChartsWindow::DrawHistoryChartsWindow(SavePathDialog& savePath, Prompts& prompts,
                                                 QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("DrawHistoryCharts"));
    setWindowTitle(QStringLiteral("Draw history: charts"));
    setFont(WindowFont(false));
    const auto chart = [&](const char* name) {
        auto* view = new ChartView(savePath, prompts);
        view->setObjectName(QLatin1String(name));
        return view;
    };

    auto* tabs = new QTabWidget;
    tabs->setObjectName(QStringLiteral("tcharts"));
    auto* moneyPage = new QWidget;
    auto* moneyLayout = new QVBoxLayout(moneyPage);
    m_money = chart("chmoney");
    m_moneyNote = note("lmoneynote");
    moneyLayout->addWidget(m_money, 1);
    moneyLayout->addWidget(m_moneyNote);
    tabs->addTab(moneyPage, QStringLiteral("Money over time"));

    auto* numbersPage = new QWidget;
    auto* numbersLayout = new QVBoxLayout(numbersPage);
    m_main = chart("chmain");
    m_thunderballs = chart("chthunderball");
    m_sentence = note("lchance");
    numbersLayout->addWidget(m_main, 3);
    numbersLayout->addWidget(m_thunderballs, 2);
    numbersLayout->addWidget(m_sentence);
    tabs->addTab(numbersPage, QStringLiteral("How the numbers fell"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    // Fits beside the history on a small screen at 150 %; resizable for a closer look.
    resize(640, 460);
}

void DrawHistoryChartsWindow::showHistory(const std::vector<StoredDraw>& draws,
                                          const std::optional<HistoryCheck>& check) {
    if (check) {
        m_money->setChart(MoneyOverTimeChart(*check));
        m_moneyNote->setText(QStringLiteral("Each draw costs what the boards' lines cost and pays "
                                            "what they won; the dots are the draws that paid."));
    } else {
        ChartData none;
        none.title = "Net so far, draw after draw";
        m_money->setChart(none);
        m_moneyNote->setText(QStringLiteral("Press \"Check every draw\" in Draw history to see "
                                            "what your boards would have spent and won."));
    }
    // A check changes the money, not the draws: their counts stand.
    if (m_countedDraws && *m_countedDraws == draws)
        return;
    m_countedDraws = draws;
    const NumberCounts counts = CountNumbers(draws);
    m_main->setChart(MainNumbersChart(counts));
    m_thunderballs->setChart(ThunderballsChart(counts));
    m_sentence->setText(QString::fromStdString(NumberCountsSentence(counts)));
}

} // namespace orvane
