#pragma once
// Every window of the program over one session, printing to a PDF file, with the selection of
// one system marked and checked as the main window's buttons check it.

#include "app/app_windows.h"
#include "app/session.h"
#include "app/shell_actions.h"
#include "common/prompts.h"
#include "output/qt_print_canvas.h"

#include <QTemporaryDir>
#include <memory>
#include <vector>

namespace orvane {
class ProgramWindows;
}

namespace orvane::bench {

// Answers every message box with OK and keeps it, so a benchmark can tell that its path was not
// the one the player meets.
class KeptPrompts final : public Prompts {
  public:
    PromptAnswer ask(const Prompt& prompt) override {
        shown.push_back(prompt);
        return PromptAnswer::Ok;
    }
    std::vector<Prompt> shown;
};

class NoShell final : public ShellActions {
  public:
    bool OpenInBrowser(const std::string&) override { return false; }
    void OpenDocument(const std::string&) override {}
    void StartProgram(const std::string&) override {}
};

class BenchProgram {
  public:
    explicit BenchProgram(int systemIndex);
    ~BenchProgram();
    BenchProgram(const BenchProgram&) = delete;
    BenchProgram& operator=(const BenchProgram&) = delete;

    AppWindows& windows();
    Session& session() { return m_session; }
    KeptPrompts& prompts() { return m_prompts; }
    QString pdfPath(const QString& name) const { return m_folder.filePath(name); }
    // Empty while no message box came up; otherwise the text of the first one.
    std::string firstMessage() const;

  private:
    QTemporaryDir m_folder;
    Session m_session;
    KeptPrompts m_prompts;
    NoShell m_shell;
    QtPrintCanvas m_printer;
    std::unique_ptr<ProgramWindows> m_windows;
};

} // namespace orvane::bench
