// Renders every window of the program to PNG files, with a sample selection where a window needs
// one, so their looks can be checked without a screen:
//   QT_QPA_PLATFORM=offscreen build/tools/snapshots/snapshots OUTPUT_FOLDER
#include "app/about_box.h"
#include "app/main_window.h"
#include "app/program_windows.h"
#include "app/prompts.h"
#include "app/session.h"
#include "app/shell_actions.h"
#include "output/board_list_window.h"
#include "output/ticket_print_window.h"
#include "wheels/boards_view.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QWidget>
#include <cstdio>

namespace {

class SilentPrompts final : public orvane::Prompts {
public:
    orvane::PromptAnswer ask(const orvane::Prompt&) override { return orvane::PromptAnswer::Ok; }
};

class NoShell final : public orvane::ShellActions {
public:
    bool OpenInBrowser(const std::string&) override { return false; }
    void OpenDocument(const std::string&) override {}
    void StartProgram(const std::string&) override {}
};

bool save(QWidget* window, const QString& folder, const QString& name) {
    window->show();
    QApplication::processEvents();
    const QString path = QDir(folder).filePath(name + QStringLiteral(".png"));
    const bool ok = window->grab().save(path);
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(path));
    return ok;
}

// The sample: system 8 (seven numbers, one of them fixed) with 3 fixed, 7 12 19 25 33 38
// selected and Thunderball 5.
void markSample(orvane::Session& session, orvane::MainWindow& main) {
    session.systemList.choose(session.systemList.positionOfSystem(8));
    main.ShowChosenSystem();
    main.clickdroit(3);
    for (int cell : {7, 12, 19, 25, 33, 38})
        main.casecoch(cell);
    main.casecoch(orvane::ThunderballCell(5));
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: snapshots OUTPUT_FOLDER\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    orvane::InstallFontSubstitutes();

    QTemporaryDir programFolder;
    orvane::Session session;
    session.programFolder = programFolder.path().toStdString() + "/";
    SilentPrompts prompts;
    NoShell shell;
    orvane::ProgramWindows program(session, prompts, shell);
    orvane::AppWindows& w = program.windows();

    bool ok = save(w.main, folder, QStringLiteral("main_window_empty"));
    markSample(session, *w.main);
    ok &= save(w.main, folder, QStringLiteral("main_window"));
    ok &= save(w.about, folder, QStringLiteral("about_box"));
    w.about->hide();

    session.run.RebuildPlayOrder(session.grid);
    ok &= save(w.boardsView, folder, QStringLiteral("boards_view"));
    w.boardsView->hide();
    ok &= save(w.boardList, folder, QStringLiteral("board_list_window"));
    w.boardList->hide();
    ok &= save(w.ticketPrint, folder, QStringLiteral("ticket_print_window"));
    w.ticketPrint->hide();
    return ok ? 0 : 1;
}
