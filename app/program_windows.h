#pragma once
// Creating the program's windows, once each, in the order the program starts them.

#include "app/app_windows.h"
#include "output/print_services.h"
#include "output/printer_choice.h"

#include <memory>

namespace orvane {

struct Session;
class Prompts;
class ShellActions;
class PrintCanvas;
class SavePathDialog;
class OpenPathDialog;
class DrawHistoryStore;

// Owns every window of one run. The main window is created first: its creation reads the
// parameters file and fills the system list before any other window exists. Printing goes to
// `canvas`, or to the printer the player chooses (the system's default at first) when none is
// given; the player picks where a PDF goes through `savePath`, and which draw file to import
// through `openPath`, or the platform's file dialogs. The draw history is kept in the session's
// data folder.
class ProgramWindows {
  public:
    ProgramWindows(Session& session, Prompts& prompts, ShellActions& shell,
                   PrintCanvas* canvas = nullptr, SavePathDialog* savePath = nullptr,
                   OpenPathDialog* openPath = nullptr);
    ~ProgramWindows();
    ProgramWindows(const ProgramWindows&) = delete;
    ProgramWindows& operator=(const ProgramWindows&) = delete;

    AppWindows& windows() { return m_windows; }

  private:
    PrinterChoice m_printerChoice;
    std::unique_ptr<PrintCanvas> m_systemPrinter;
    std::unique_ptr<SavePathDialog> m_fileDialog;
    std::unique_ptr<OpenPathDialog> m_openDialog;
    std::unique_ptr<DrawHistoryStore> m_storedDraws;
    std::unique_ptr<PrintServices> m_printServices;
    AppWindows m_windows;
};

// Maps the faces the windows ask for onto the metric-compatible faces installed here.
void InstallFontSubstitutes();

} // namespace orvane
