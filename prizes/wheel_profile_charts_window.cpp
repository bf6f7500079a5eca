#include "prizes/wheel_profile_charts_window.h"

#include "common/chart_view.h"
#include "common/window_style.h"
#include "prizes/wheel_profile_charts.h"

#include <QVBoxLayout>

namespace orvane {

WheelProfileChartsWindow::WheelProfileChartsWindow(SavePathDialog& savePath, Prompts& prompts,
                                                   QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("WheelProfileCharts"));
    setWindowTitle(QStringLiteral("Wheel profile: charts"));
    setFont(WindowFont(false));
    m_bestBoard = new ChartView(savePath, prompts);
    m_bestBoard->setObjectName(QStringLiteral("chbestboard"));
    m_prizes = new ChartView(savePath, prompts);
    m_prizes->setObjectName(QStringLiteral("chprizes"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_bestBoard, 1);
    layout->addWidget(m_prizes, 1);
    // Fits beside the profile on a small screen at 150 %; resizable for a closer look.
    resize(600, 460);
}

void WheelProfileChartsWindow::showProfile(const WheelProfile& profile, const DrawOdds& odds) {
    m_bestBoard->setChart(BestBoardChart(profile));
    m_prizes->setChart(PrizeChancesChart(odds));
}

} // namespace orvane
