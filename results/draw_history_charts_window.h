#pragma once
// The charts of the draw history, in a window of their own beside it: the net so far draw after
// draw once every draw has been checked, and how often each number came up in the draws kept.

#include "results/draw_history_check.h"

#include <QDialog>

#include <optional>
#include <vector>

class QLabel;

namespace orvane {

class ChartView;
class Prompts;
class SavePathDialog;

class DrawHistoryChartsWindow final : public QDialog {
    Q_OBJECT
  public:
    DrawHistoryChartsWindow(SavePathDialog& savePath, Prompts& prompts, QWidget* parent = nullptr);

    // Draws the draws kept, and what checking them gave when they were checked.
    void showHistory(const std::vector<StoredDraw>& draws,
                     const std::optional<HistoryCheck>& check);

    ChartView& money() { return *m_money; }
    ChartView& mainNumbers() { return *m_main; }
    ChartView& thunderballs() { return *m_thunderballs; }

  private:
    ChartView* m_money = nullptr;
    ChartView* m_main = nullptr;
    ChartView* m_thunderballs = nullptr;
    QLabel* m_moneyNote = nullptr;
    QLabel* m_sentence = nullptr;
    std::optional<std::vector<StoredDraw>> m_countedDraws; // the draws the counts were made of
};

} // namespace orvane
