#pragma once
// The charts of the wheel profile, in a window of their own beside it: what the best board holds
// for each count of drawn numbers among yours, and the chance of each prize in one draw.

#include "prizes/draw_odds.h"
#include "wheels/wheel_profile.h"

#include <QDialog>

namespace orvane {

class ChartView;
class Prompts;
class SavePathDialog;

class WheelProfileChartsWindow final : public QDialog {
    Q_OBJECT
  public:
    WheelProfileChartsWindow(SavePathDialog& savePath, Prompts& prompts, QWidget* parent = nullptr);

    void showProfile(const WheelProfile& profile, const DrawOdds& odds);

    ChartView& bestBoard() { return *m_bestBoard; }
    ChartView& prizes() { return *m_prizes; }

  private:
    ChartView* m_bestBoard = nullptr;
    ChartView* m_prizes = nullptr;
};

} // namespace orvane
