// Orvane: wheeling systems for the Thunderball game.
#include "app/command_line.h"
#include "app/main_window.h"
#include "app/program.h"
#include "common/program_folder.h"

#include <QApplication>
#include <QDir>
#include <QTimer>

#include <cstdio>
#include <cstring>

namespace {

// Whether the command line asks for the help or the version, which are printed without starting,
// and so without a display.
bool AsksForHelpOrVersion(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i)
        for (const char* option : {"-h", "--help", "--help-all", "-v", "--version"})
            if (std::strcmp(argv[i], option) == 0)
                return true;
    return false;
}

int Print(const orvane::CommandLine& line) {
    const bool refused = line.action == orvane::CommandLine::Action::Refuse;
    std::fputs(line.text.toLocal8Bit().constData(), refused ? stderr : stdout);
    return refused ? 2 : 0;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(QStringLiteral("Orvane"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ORVANE_VERSION));
    if (AsksForHelpOrVersion(argc, argv)) {
        const QCoreApplication reader(argc, argv);
        return Print(orvane::ParseCommandLine(QCoreApplication::arguments(), QDir::currentPath()));
    }

    QApplication app(argc, argv);
    // Read once Qt has taken its own options (-platform, -style...) out of the list.
    const orvane::CommandLine line =
        orvane::ParseCommandLine(QCoreApplication::arguments(), QDir::currentPath());
    if (line.action != orvane::CommandLine::Action::Start)
        return Print(line);
    // Lets a Wayland desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(ORVANE_APP_ID));
    orvane::InstallFontSubstitutes();

    orvane::Program program(
        orvane::ProgramFolderOf(QCoreApplication::applicationFilePath().toStdString()));
    program.show();
    if (!line.gameFile.empty()) {
        // Loaded once the main window shows, so that a message about the file lies over it.
        QTimer::singleShot(0, program.windows().main, [&program, file = line.gameFile] {
            program.windows().main->LoadGameFile(file);
        });
    }
    return QApplication::exec();
}
