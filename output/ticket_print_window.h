#pragma once
// The print options window: ticket type, range of boards, printing all at once or ticket by
// ticket, and the board number on top.

#include "output/ticket_printing.h"
#include "wheels/system_boards.h"

#include <QDialog>
#include <optional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;

namespace orvane {

struct AppSettings;
class Prompts;
class PrintCanvas;
class PrinterPicker;
struct PrintServices;

class TicketPrintWindow final : public QDialog {
    Q_OBJECT
  public:
    // Prints the boards of the system chosen in `boards.list`, built by `boards.run` from
    // `boards.grid`, placed by the adjustments of `settings`, with `services`.
    TicketPrintWindow(SystemBoards boards, const AppSettings& settings, Prompts& prompts,
                      PrintServices& services, QWidget* parent = nullptr);

    // Checks the range, prints and closes; an incorrect range is refused and the window stays.
    // Marks the printer cannot reach are named first, and the player may go back.
    void boutlancerClick();
    // Checks the range and shows the tickets as they will be printed; "Print" there prints them
    // and closes this window too.
    void previewClick();
    // Checks the range and writes the tickets into a PDF file the player picks.
    void saveAsPdfClick();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void SetPrintCaptions();
    void formshow();
    void activate();
    struct Options {
        int layout;
        PrintMode mode;
        int first, last;
        bool numberOnTop;
    };
    // The options as set in the window; nothing, after telling the player, when the range is
    // incorrect.
    std::optional<Options> checkedOptions();
    void print(const Options& options);
    void saveAsPdf(const Options& options);

    SystemBoards m_boards;
    const AppSettings& m_settings;
    Prompts& m_prompts;
    PrintServices& m_services;
    QComboBox* m_layouts;
    QLineEdit* m_first;
    QLineEdit* m_last;
    QRadioButton* m_allAtOnce;
    QRadioButton* m_ticketByTicket;
    QCheckBox* m_numberOnTop;
    PrinterPicker* m_printers;
};

} // namespace orvane
