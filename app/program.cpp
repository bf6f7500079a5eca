#include "app/program.h"

#include "app/main_window.h"
#include "common/player_config_folder.h"

#include <QStandardPaths>

namespace orvane {

Session Program::sessionIn(const std::string& programFolder) {
    Session session;
    session.programFolder = programFolder;
    // The platform's folder for the player's own files (~/.local/share/Orvane on Linux), which
    // may be written whether or not the program folder may.
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (!data.isEmpty())
        session.dataFolder = data.toStdString() + "/";
    session.playerFolder = PlayerConfigFolder();
    return session;
}

Program::Program(const std::string& programFolder, PrintCanvas* printer)
    : m_session(sessionIn(programFolder)), m_windows(m_session, m_prompts, m_shell, printer) {}

void Program::show() {
    MainWindow* main = m_windows.windows().main;
    main->PlaceOnScreen();
    main->show();
}

} // namespace orvane
