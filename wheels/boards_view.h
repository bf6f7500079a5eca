#pragma once
// The window that shows the boards of the chosen system one at a time.

#include "wheels/system_boards.h"

#include <QDialog>

class QLabel;

namespace orvane {

struct AppSettings;
class BoardRun;
class SelectionGrid;
class SystemList;
class TicketGridPanel;

class BoardsView final : public QDialog {
    Q_OBJECT
  public:
    // Steps `boards.run` through the boards of the system chosen in `boards.list`, built from
    // `boards.grid`, and draws them in the grid style of `settings`. Every board `boards.run`
    // builds is drawn while the view lives.
    BoardsView(SystemBoards boards, const AppSettings& settings, QWidget* parent = nullptr);

    // Draws the board last built on the cells; every board built anywhere ends here.
    void ShowCurrentBoard();
    void BitBtn3Click();    // previous board
    void BitBtn4Click();    // next board
    void StepTo(int board); // the first or the last board, from the keyboard

  protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void SetBoardsViewCaptions();
    void UpdateBoardLabels();
    void FormShow();
    void BuildCurrentBoard();

    BoardRun& m_run;
    const SelectionGrid& m_selection;
    const SystemList& m_systemList;
    const AppSettings& m_settings;
    TicketGridPanel* m_grid;
    QLabel* m_description;
    QLabel* m_boardNumber;
    QLabel* m_boardCount;
};

} // namespace orvane
