// Orvane: wheeling systems for the Thunderball game.
#include "app/main_window.h"
#include "app/message_box_prompts.h"
#include "app/program_folder.h"
#include "app/program_windows.h"
#include "app/session.h"
#include "app/shell_actions.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvane"));
    orvane::InstallFontSubstitutes();

    orvane::Session session;
    session.programFolder =
        orvane::ProgramFolderOf(QCoreApplication::applicationFilePath().toStdString());
    orvane::MessageBoxPrompts prompts;
    orvane::DesktopShellActions shell;
    orvane::ProgramWindows windows(session, prompts, shell);
    orvane::MainWindow* main = windows.windows().main;
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        main->move(screen->availableGeometry().center() - main->rect().center());
    main->show();
    return QApplication::exec();
}
