#pragma once
// Every window of the program over one session, printing to a PDF file, with the selection of
// one system marked and checked as the main window's buttons check it.

#include "app/app_windows.h"
#include "app/session.h"
#include "output/qt_print_canvas.h"
#include "tests/doubles/recording_shell.h"
#include "tests/doubles/scripted_open_path.h"
#include "tests/doubles/scripted_prompts.h"

#include <QTemporaryDir>
#include <memory>

namespace orvane {
class ProgramWindows;
}

namespace orvane::bench {

class BenchProgram {
  public:
    explicit BenchProgram(int systemIndex);
    ~BenchProgram();
    BenchProgram(const BenchProgram&) = delete;
    BenchProgram& operator=(const BenchProgram&) = delete;

    AppWindows& windows();
    Session& session() { return m_session; }
    test::ScriptedPrompts& prompts() { return m_prompts; }
    // The file the draw history's Import reads: none until a benchmark sets one.
    test::ScriptedOpenPath& openPath() { return m_openPath; }
    QString pdfPath(const QString& name) const { return m_folder.filePath(name); }
    // Empty while no message box came up; otherwise the text of the first one.
    std::string firstMessage() const;

  private:
    QTemporaryDir m_folder;
    Session m_session;
    // Keeps every message, so a benchmark can tell that its path was not the one the player meets.
    test::ScriptedPrompts m_prompts;
    test::RecordingShell m_shell;
    test::ScriptedOpenPath m_openPath;
    QtPrintCanvas m_printer;
    std::unique_ptr<ProgramWindows> m_windows;
};

} // namespace orvane::bench
