#pragma once
// Creating the program's windows, once each, in the order the program starts them.

#include "app/app_windows.h"

#include <memory>

namespace orvane {

struct Session;
class Prompts;
class ShellActions;
class PrintCanvas;

// Owns every window of one run. The main window is created first: its creation reads the
// parameters file and fills the system list before any other window exists. Printing goes to
// `canvas`, or to the system's default printer when none is given.
class ProgramWindows {
  public:
    ProgramWindows(Session& session, Prompts& prompts, ShellActions& shell,
                   PrintCanvas* canvas = nullptr);
    ~ProgramWindows();
    ProgramWindows(const ProgramWindows&) = delete;
    ProgramWindows& operator=(const ProgramWindows&) = delete;

    AppWindows& windows() { return m_windows; }

  private:
    std::unique_ptr<PrintCanvas> m_systemPrinter;
    AppWindows m_windows;
};

// Maps the faces the windows ask for onto the metric-compatible faces installed here.
void InstallFontSubstitutes();

} // namespace orvane
