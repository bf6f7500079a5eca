#pragma once
// The window that shows the boards of the chosen system one at a time.

#include <QDialog>

class QLabel;

namespace orvane {

struct Session;
class TicketGridPanel;

class BoardsView final : public QDialog {
    Q_OBJECT
  public:
    BoardsView(Session& session, QWidget* parent = nullptr);

    // Draws the board last built on the cells; every board built anywhere ends here.
    void ShowCurrentBoard();
    void BitBtn3Click(); // previous board
    void BitBtn4Click(); // next board

  protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void SetBoardsViewCaptions();
    void UpdateBoardLabels();
    void FormShow();

    Session& m_session;
    TicketGridPanel* m_grid;
    QLabel* m_description;
    QLabel* m_boardNumber;
    QLabel* m_boardCount;
};

} // namespace orvane
