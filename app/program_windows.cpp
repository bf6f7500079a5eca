#include "app/program_windows.h"

#include "app/about_box.h"
#include "app/freed_memory.h"
#include "app/main_window.h"
#include "app/session.h"
#include "common/file_dialog_paths.h"
#include "common/screen_fit.h"
#include "gamefiles/file_chooser.h"
#include "output/board_list_window.h"
#include "output/deferred_print_canvas.h"
#include "output/ticket_print_window.h"
#include "playerdata/player_database.h"
#include "prizes/stored_prizes.h"
#include "prizes/wheel_profile_window.h"
#include "results/comparison_window.h"
#include "results/draw_history_store.h"
#include "results/draw_history_window.h"
#include "settings/parameters_window.h"
#include "wheelmaker/make_wheel_window.h"
#include "wheels/boards_view.h"
#include "wheels/player_wheel_store.h"

#include <QApplication>
#include <QFont>

namespace orvane {

ProgramWindows::ProgramWindows(Session& session, Prompts& prompts, ShellActions& shell,
                               PrintCanvas* canvas, SavePathDialog* savePath,
                               OpenPathDialog* openPath) {
    KeepFreedMemoryForReuse();
    // Every window opens whole on its screen, a laptop's at a large scale included.
    m_keepOnScreen = std::make_unique<KeepWindowsOnScreen>();
    qApp->installEventFilter(m_keepOnScreen.get());
    if (!canvas) {
        m_systemPrinter = std::make_unique<DeferredPrintCanvas>(&m_printerChoice);
        canvas = m_systemPrinter.get();
    }
    if (!savePath) {
        m_fileDialog = std::make_unique<FileDialogSavePath>();
        savePath = m_fileDialog.get();
    }
    if (!openPath) {
        m_openDialog = std::make_unique<FileDialogOpenPath>();
        openPath = m_openDialog.get();
    }
    m_printServices =
        std::make_unique<PrintServices>(PrintServices{*canvas, m_printerChoice, *savePath});
    m_windows.print = m_printServices.get();
    m_database = std::make_unique<PlayerDatabase>(session.dataFolder);
    m_storedDraws = std::make_unique<DrawHistoryStore>(*m_database, session.dataFolder);
    m_prizes =
        std::make_unique<PrizeStore>(*m_database, session.programFolder, session.playerFolder);
    m_windows.storedDraws = m_storedDraws.get();
    m_wheels = std::make_unique<PlayerWheelStore>(*m_database);
    m_windows.prizes = m_prizes.get();
    m_windows.wheels = m_wheels.get();
    m_windows.openPath = openPath;
    m_windows.savePath = savePath;
    m_windows.main = new MainWindow(session, prompts, shell, m_windows);
    // What the other windows' creation reads, taken now as it would have been had they been
    // created at start: nothing the player does before opening them may change what they show.
    m_settingsAtStart = session.settings;
    m_chooserStart = ChooserStartNow();

    MainWindow* main = m_windows.main;
    m_windows.boardsView = OnFirstUse<BoardsView>(
        [&session, main] { return new BoardsView(session.boards(), session.settings, main); });
    m_windows.about = OnFirstUse<AboutBox>([main] { return new AboutBox(main); });
    m_windows.boardList = OnFirstUse<BoardListWindow>([this, &session, &prompts, main] {
        auto* list = new BoardListWindow(session.boards(), session.settings, prompts,
                                         *m_printServices, main);
        // The list window opens ticket printing as the main window's menu does, without a
        // selection check.
        QObject::connect(list, &BoardListWindow::ticketPrintingAsked, list,
                         [this] { m_windows.ticketPrint->exec(); });
        return list;
    });
    m_windows.comparison = OnFirstUse<ComparisonWindow>([this, &session, &prompts, main] {
        return new ComparisonWindow(session.boards(), prompts, m_storedDraws.get(), main);
    });
    m_windows.fileChooser =
        OnFirstUse<FileChooser>([this, main] { return new FileChooser(m_chooserStart, main); });
    m_windows.ticketPrint = OnFirstUse<TicketPrintWindow>([this, &session, &prompts, main] {
        return new TicketPrintWindow(session.boards(), session.settings, prompts, *m_printServices,
                                     main);
    });
    m_windows.parameters = OnFirstUse<ParametersWindow>([this, &session, main] {
        return new ParametersWindow(session.settings, m_settingsAtStart, main);
    });
    m_windows.makeWheel = OnFirstUse<MakeWheelWindow>([this, &session, &prompts, main] {
        auto* window = new MakeWheelWindow(session.grid, *m_wheels, *m_prizes, prompts,
                                           *m_windows.openPath, main);
        QObject::connect(window, &MakeWheelWindow::wheelChosen, main,
                         [main](int index) { main->ChooseSystem(index); });
        QObject::connect(window, &MakeWheelWindow::wheelsChanged, main,
                         [main] { main->ListPlayerWheels(); });
        return window;
    });
    m_windows.wheelProfile = OnFirstUse<WheelProfileWindow>([this, &session, &prompts, main] {
        return new WheelProfileWindow(session.grid, session.systemList, *m_prizes, prompts,
                                      *m_windows.savePath, main);
    });
    m_windows.drawHistory = OnFirstUse<DrawHistoryWindow>([this, &session, &prompts, main] {
        return new DrawHistoryWindow(session.boards(), *m_storedDraws, *m_prizes, prompts,
                                     *m_windows.openPath, *m_windows.savePath, main);
    });
}

ProgramWindows::~ProgramWindows() {
    delete m_windows.main;
}

void InstallFontSubstitutes() {
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Times New Roman"),
                              QStringLiteral("Liberation Serif"));
    QFont::insertSubstitution(QStringLiteral("Courier"), QStringLiteral("Liberation Mono"));
    QFont::insertSubstitution(QStringLiteral("Fixedsys"), QStringLiteral("Liberation Mono"));
}

} // namespace orvane
