#pragma once
// The window listing every board of the chosen system, one line a board, from which the list is
// printed and ticket printing is asked for.

#include "wheels/system_boards.h"

#include <QDialog>

class QListWidget;

namespace orvane {

struct AppSettings;
class Prompts;
class PrintCanvas;
class PrinterPicker;
struct PrintServices;

class BoardListWindow final : public QDialog {
    Q_OBJECT
  public:
    // Lists the boards of the system chosen in `boards.list`, built by `boards.run` from
    // `boards.grid`, in the grid style of `settings`.
    BoardListWindow(SystemBoards boards, const AppSettings& settings, Prompts& prompts,
                    PrintServices& services, QWidget* parent = nullptr);

    void imprimeliste();      // prints the list of boards
    void saveAsPdfClick();    // writes the printed list into a PDF file the player picks
    void bimprimebulletins(); // asks for the print options window, without a selection check

  Q_SIGNALS:
    // The player asked to print the boards onto tickets.
    void ticketPrintingAsked();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void SetListCaptions();
    void FillBoardList();

    SystemBoards m_boards;
    const AppSettings& m_settings;
    Prompts& m_prompts;
    PrintServices& m_services;
    QListWidget* m_list;
    PrinterPicker* m_printers;
};

} // namespace orvane
