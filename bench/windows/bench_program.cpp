#include "bench/windows/bench_program.h"

#include "app/main_window.h"
#include "app/program_windows.h"
#include "bench/support/selection_marking.h"

namespace orvane::bench {

BenchProgram::BenchProgram(int systemIndex)
    : m_printer(m_folder.filePath(QStringLiteral("out.pdf"))) {
    m_session.programFolder = m_folder.path().toStdString() + "/";
    m_session.dataFolder = m_session.programFolder;
    m_windows = std::make_unique<ProgramWindows>(m_session, m_prompts, m_shell, &m_printer, nullptr,
                                                 &m_openPath);
    // The boards view is made, as once the player has viewed the boards: from then on every board
    // built anywhere reaches it.
    windows().boardsView.get();
    MarkSelectionFor(*windows().main, systemIndex);
    // The check and the play order every boards button runs before opening its window.
    windows().main->OpenBoardsWindow(ThunderballRule::ExactlyOne, nullptr);
}

BenchProgram::~BenchProgram() = default;

AppWindows& BenchProgram::windows() {
    return m_windows->windows();
}

std::string BenchProgram::firstMessage() const {
    return m_prompts.shown.empty() ? std::string() : m_prompts.shown.front().text;
}

} // namespace orvane::bench
