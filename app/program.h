#pragma once
// One run of Orvane as a player starts it: the program's state, the real message boxes and
// desktop, the system's printer and every window, with the main window shown where it was left.

#include "app/program_windows.h"
#include "app/session.h"
#include "app/shell_actions.h"
#include "common/message_box_prompts.h"

#include <string>

namespace orvane {

class PrintCanvas;

class Program final {
  public:
    // Reads the parameters file of `programFolder` (ending with "/"), or the player's own copy,
    // while creating the windows.
    // Printing goes to `printer`, or to the system's default printer when none is given.
    explicit Program(const std::string& programFolder, PrintCanvas* printer = nullptr);

    // Shows the main window where the player left it, or in the middle of the primary screen.
    void show();
    AppWindows& windows() { return m_windows.windows(); }

  private:
    static Session sessionIn(const std::string& programFolder);

    Session m_session;
    MessageBoxPrompts m_prompts;
    DesktopShellActions m_shell;
    ProgramWindows m_windows;
};

} // namespace orvane
