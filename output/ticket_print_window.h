#pragma once
// The print options window: ticket type, range of boards, printing all at once or ticket by
// ticket, and the board number on top.

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;

namespace orvane {

struct Session;
class Prompts;
class PrintCanvas;

class TicketPrintWindow final : public QDialog {
    Q_OBJECT
  public:
    TicketPrintWindow(Session& session, Prompts& prompts, PrintCanvas& canvas,
                      QWidget* parent = nullptr);

    // Checks the range, prints and closes; an incorrect range is refused and the window stays.
    void boutlancerClick();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void SetPrintCaptions();
    void formshow();
    void activate();

    Session& m_session;
    Prompts& m_prompts;
    PrintCanvas& m_canvas;
    QComboBox* m_layouts;
    QLineEdit* m_first;
    QLineEdit* m_last;
    QRadioButton* m_allAtOnce;
    QRadioButton* m_ticketByTicket;
    QCheckBox* m_numberOnTop;
};

} // namespace orvane
