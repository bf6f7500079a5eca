// Orvane: wheeling systems for the Thunderball game.
#include "app/program.h"
#include "common/program_folder.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvane"));
    // Lets a Wayland desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(ORVANE_APP_ID));
    orvane::InstallFontSubstitutes();

    orvane::Program program(
        orvane::ProgramFolderOf(QCoreApplication::applicationFilePath().toStdString()));
    program.show();
    return QApplication::exec();
}
