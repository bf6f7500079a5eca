#pragma once
// Creating the program's windows: the main window at start, every other one on its first opening.

#include "app/app_windows.h"
#include "gamefiles/chooser_start.h"
#include "output/print_services.h"
#include "output/printer_choice.h"
#include "settings/app_settings.h"

#include <memory>

namespace orvane {

struct Session;
class Prompts;
class ShellActions;
class PrintCanvas;
class SavePathDialog;
class OpenPathDialog;
class DrawHistoryStore;
class PlayerDatabase;
class PrizeStore;
class PlayerWheelStore;
class KeepWindowsOnScreen;

// Owns every window of one run. The main window is created first: its creation reads the
// parameters file and fills the system list before any other window exists. Every other window is
// made on its first opening, from what it would have found had it been made at start: the settings
// as the main window's creation left them, the folder the program was started from and the drives
// mounted then. Printing goes to `canvas`, or to the printer the player chooses (the system's
// default at first) when none is given; the player picks where a PDF goes through `savePath`, and
// which draw file to import through `openPath`, or the platform's file dialogs. The draw history
// and the prize table are kept in the player's database in the session's data folder, opened when a
// window first asks for them, never at start.
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
    std::unique_ptr<KeepWindowsOnScreen> m_keepOnScreen;
    PrinterChoice m_printerChoice;
    std::unique_ptr<PrintCanvas> m_systemPrinter;
    std::unique_ptr<SavePathDialog> m_fileDialog;
    std::unique_ptr<OpenPathDialog> m_openDialog;
    std::unique_ptr<PlayerDatabase> m_database;
    std::unique_ptr<DrawHistoryStore> m_storedDraws;
    std::unique_ptr<PrizeStore> m_prizes;
    std::unique_ptr<PlayerWheelStore> m_wheels;
    std::unique_ptr<PrintServices> m_printServices;
    AppSettings m_settingsAtStart;
    ChooserStart m_chooserStart;
    AppWindows m_windows;
};

// Maps the faces the windows ask for onto the metric-compatible faces installed here.
void InstallFontSubstitutes();

} // namespace orvane
