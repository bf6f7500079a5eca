#pragma once
// The print options window: ticket type, range of boards, printing all at once or ticket by
// ticket, and the board number on top.

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;

namespace orvane {

struct AppSettings;
class BoardRun;
class Prompts;
class PrintCanvas;
class SelectionGrid;
class SystemList;

class TicketPrintWindow final : public QDialog {
    Q_OBJECT
  public:
    // Prints the boards of the system chosen in `list`, built by `run` from `grid`, placed by
    // the adjustments of `settings`.
    TicketPrintWindow(BoardRun& run, const SelectionGrid& grid, const SystemList& list,
                      const AppSettings& settings, Prompts& prompts, PrintCanvas& canvas,
                      QWidget* parent = nullptr);

    // Checks the range, prints and closes; an incorrect range is refused and the window stays.
    void boutlancerClick();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void SetPrintCaptions();
    void formshow();
    void activate();

    BoardRun& m_run;
    const SelectionGrid& m_grid;
    const SystemList& m_systemList;
    const AppSettings& m_settings;
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
