// A second copy of the program, for the tests of two copies open at once: it starts the program's
// windows over the data folder and program folder it is given, does one thing a player does, and
// exits with 0 when no message came up.
//
//   player_data_peer DATA_FOLDER PROGRAM_FOLDER import FILE
//       opens Draw history and imports FILE
//   player_data_peer DATA_FOLDER PROGRAM_FOLDER save-prize FIELD AMOUNT
//       opens Wheel profile, types AMOUNT over the field FIELD ("eprize3") and saves the prizes
#include "app/main_window.h"
#include "app/program_windows.h"
#include "app/session.h"
#include "prizes/wheel_profile_window.h"
#include "results/draw_history_window.h"
#include "support/recording_canvas.h"
#include "tests/doubles/recording_shell.h"
#include "tests/doubles/scripted_open_path.h"
#include "tests/doubles/scripted_prompts.h"
#include "tests/doubles/scripted_save_path.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <cstdio>
#include <string>

int main(int argc, char* argv[]) {
    using namespace orvane;
    if (argc != 5 && argc != 6)
        return 2;
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QApplication app(argc, argv);
    Session session;
    session.dataFolder = argv[1];
    session.programFolder = argv[2];
    test::ScriptedPrompts prompts;
    test::RecordingShell shell;
    test::RecordingCanvas canvas;
    test::ScriptedSavePath savePath;
    test::ScriptedOpenPath openPath;
    ProgramWindows program(session, prompts, shell, &canvas, &savePath, &openPath);
    MainWindow& main = *program.windows().main;
    main.show();

    const std::string command = argv[3];
    if (command == "import" && argc == 5) {
        openPath.answer = argv[4];
        DrawHistoryWindow* window = program.windows().drawHistory.get();
        window->show();
        window->findChild<QPushButton*>(QStringLiteral("bimport"))->click();
        std::printf("%s\n",
                    window->findChild<QLabel*>(QStringLiteral("lreport"))->text().toUtf8().data());
    } else if (command == "save-prize" && argc == 6) {
        // The profile of a system the catalogue has whole.
        session.systemList.choose(session.systemList.positionOfSystem(13));
        main.ShowChosenSystem();
        WheelProfileWindow* window = program.windows().wheelProfile.get();
        window->show();
        auto* field = window->findChild<QLineEdit*>(QLatin1String(argv[4]));
        if (!field)
            return 2;
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, QString::fromUtf8(argv[5]));
        window->findChild<QPushButton*>(QStringLiteral("bsaveprizes"))->click();
    } else {
        return 2;
    }
    for (const Prompt& shown : prompts.shown)
        std::printf("message: %s\n", shown.text.c_str());
    return prompts.shown.empty() ? 0 : 1;
}
