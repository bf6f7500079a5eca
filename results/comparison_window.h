#pragma once
// The window where the player enters a draw and sees what every board of the chosen system won.

#include "results/draw_comparison.h"
#include "wheels/system_boards.h"

#include <QDialog>

#include <array>
#include <vector>

class QComboBox;
class QLabel;
class QListWidget;

namespace orvane {

class DrawHistoryStore;
class Prompts;

class ComparisonWindow final : public QDialog {
    Q_OBJECT
  public:
    // Compares the boards of the system chosen in `boards.list`, built by `boards.run` from
    // `boards.grid`. The draws kept in `storedDraws`, if given, may be picked to fill the six
    // lists.
    ComparisonWindow(SystemBoards boards, Prompts& prompts, DrawHistoryStore* storedDraws = nullptr,
                     QWidget* parent = nullptr);

    // Checks the draw in the six lists and, if no main number repeats, compares every board
    // with it.
    void Button1Click();

    // Remembers the draw whichever way the window closes.
    void done(int result) override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    static constexpr int kDrawLists =
        kDrawnMainNumbers + 1; // the main numbers, then the Thunderball

    void SetComparisonCaptions();
    void initform();
    Draw drawnNumbers() const;
    void listStoredDraws();
    void storedDrawChosen(int position);
    void drawListChanged();
    void showResult(const ComparisonResult& result);

    SystemBoards m_boards;
    Prompts& m_prompts;
    DrawHistoryStore* m_storedDraws;
    QListWidget* m_results;
    // The draws kept, newest first, after an entry that picks none.
    QComboBox* m_storedList = nullptr;
    std::vector<Draw> m_storedShown;
    bool m_fillingFromStored = false;
    std::array<QComboBox*, kDrawLists> m_drawLists{};
    std::array<QLabel*, kPrizeRankCount> m_counters{};
    // The draw entered last, as list positions, kept while the program runs.
    std::array<int, kDrawLists> m_rememberedDraw{};
};

} // namespace orvane
