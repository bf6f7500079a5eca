#pragma once
// The window that shows what the boards of the chosen system hold of a draw: the guarantee with
// the cases it was proven on, what the best board and every board hold for each count of drawn
// main numbers among the marked ones, and for one draw the chance of each prize rank and what it
// costs and returns on average, by a prize table the player may edit and keep.

#include "common/on_first_use.h"
#include "prizes/draw_odds.h"
#include "prizes/prize_table.h"
#include "wheels/wheel_profile.h"

#include <QDialog>

#include <array>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace orvane {

class PrizeStore;
class Prompts;
class SavePathDialog;
class WheelProfileChartsWindow;
class SelectionGrid;
class SystemList;

class WheelProfileWindow final : public QDialog {
    Q_OBJECT
  public:
    // Profiles the system chosen in `list` for the Thunderball numbers marked on `grid`, each
    // time the window is shown. The prize table is read from `store` whenever the window is
    // shown, and the amounts the player changed are written there by "Save prizes"; amounts typed
    // and not saved stay until the program ends.
    // "Charts" shows the same figures as pictures in a window of their own, saved as PNG where
    // `savePath` says.
    WheelProfileWindow(const SelectionGrid& grid, const SystemList& list, PrizeStore& store,
                       Prompts& prompts, SavePathDialog& savePath, QWidget* parent = nullptr);

    const PrizeTable& prizes() const { return m_prizes; }

    // Keeps the amounts the player changed; when that fails, says so and keeps the table as typed.
    void SavePrizes();
    // Puts the operator's prizes in the fields, to be saved or typed over.
    void OperatorPrizes();
    // Opens the charts of the profile shown, beside the window.
    void ShowCharts();
    WheelProfileChartsWindow* charts() const { return m_charts.ifMade(); }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    // The fields: one per prize rank, in the order of PrizeRank, then the price of a line.
    static constexpr std::size_t kLineField = kPaidRankCount;
    static constexpr std::size_t kFieldCount = kPaidRankCount + 1;

    void buildControls();
    WheelProfileChartsWindow* makeCharts();
    void showProfile();
    void showReturn();
    void showPrizeFields();
    void showPrizeCell(std::size_t field);
    void amountTyped(std::size_t field, const QString& text);
    void amountRefused(std::size_t field);
    void showHint();
    std::int64_t& amountOf(std::size_t field);
    // Takes what the store keeps now into every amount the player has not changed.
    void readKeptPrizes();

    const SelectionGrid& m_grid;
    const SystemList& m_systemList;
    PrizeStore& m_store;
    Prompts& m_prompts;
    SavePathDialog& m_savePath;
    // Made by the first "Charts".
    OnFirstUse<WheelProfileChartsWindow> m_charts{[this] { return makeCharts(); }};

    // The amounts as kept when last read, and as shown: the two differ where the player changed
    // an amount and did not save it.
    PrizeTable m_kept;
    PrizeTable m_prizes;
    WheelProfile m_profile;
    DrawOdds m_odds;
    int m_lines = 0; // lines played in one draw: boards times Thunderball numbers
    // The field whose last key was refused, until it is typed in again.
    std::size_t m_refusedField = kFieldCount;

    QLabel* m_description = nullptr;
    QLabel* m_thunderballs = nullptr;
    QLabel* m_guarantee = nullptr;
    QLabel* m_guaranteeNote = nullptr;
    QTableWidget* m_drawnTable = nullptr;
    QTableWidget* m_rankTable = nullptr;
    std::array<QLineEdit*, kFieldCount> m_fields{};
    QLabel* m_hint = nullptr;
    QLabel* m_anyPrize = nullptr;
    QLabel* m_cost = nullptr;
    QLabel* m_prizeMoney = nullptr;
    QLabel* m_net = nullptr;
    QLabel* m_back = nullptr;
    QPushButton* m_return = nullptr;
};

} // namespace orvane
