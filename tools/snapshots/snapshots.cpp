// Renders every window of the program to PNG files, with a sample selection where a window needs
// one, so their looks can be checked without a screen:
//   QT_QPA_PLATFORM=offscreen build/tools/snapshots/snapshots OUTPUT_FOLDER
#include "app/about_box.h"
#include "app/main_window.h"
#include "app/program_windows.h"
#include "app/session.h"
#include "gamefiles/file_chooser.h"
#include "output/board_list_window.h"
#include "output/qt_print_canvas.h"
#include "output/test_sheet_preview.h"
#include "output/ticket_preview.h"
#include "output/ticket_print_window.h"
#include "prizes/wheel_profile_charts_window.h"
#include "prizes/wheel_profile_window.h"
#include "results/comparison_window.h"
#include "results/draw_history_charts_window.h"
#include "results/draw_history_window.h"
#include "settings/parameters_window.h"
#include "tests/doubles/recording_shell.h"
#include "tests/doubles/scripted_open_path.h"
#include "tests/doubles/scripted_prompts.h"
#include "wheelmaker/make_wheel_window.h"
#include "wheels/boards_view.h"
#include "wheels/ticket_grid_panel.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>
#include <QWidget>
#include <cstdio>

namespace {

bool save(QWidget* window, const QString& folder, const QString& name) {
    window->show();
    QApplication::processEvents();
    const QString path = QDir(folder).filePath(name + QStringLiteral(".png"));
    const bool ok = window->grab().save(path);
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(path));
    return ok;
}

// A window with one of its drop-down lists opened over it, as the player sees it.
bool saveWithListOpen(QWidget& window, const char* listName, const QString& folder,
                      const QString& name) {
    window.show();
    QApplication::processEvents();
    auto* list = window.findChild<QComboBox*>(QLatin1String(listName));
    list->showPopup();
    QApplication::processEvents();
    QWidget* popup = list->view()->window();
    const QRect popupPlace(window.mapFromGlobal(popup->geometry().topLeft()), popup->size());
    const QRect whole = window.rect().united(popupPlace);
    QPixmap shot(whole.size());
    shot.fill(Qt::white);
    QPainter painter(&shot);
    painter.drawPixmap(-whole.topLeft(), window.grab());
    painter.drawPixmap(popupPlace.topLeft() - whole.topLeft(), popup->grab());
    painter.end();
    list->hidePopup();
    const QString path = QDir(folder).filePath(name + QStringLiteral(".png"));
    const bool ok = shot.save(path);
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

// Draws in the operator's layout for the history window: a few fall on the sample's numbers, two
// lines are refused.
const char* const kSampleDraws =
    "DrawDate,Ball 1,Ball 2,Ball 3,Ball 4,Ball 5,Thunderball,Ball Set,Machine,DrawNumber\n"
    "21-Mar-2025,12,3,33,25,19,5,T4,Excalibur 2,3704\n"
    "19-Mar-2025,7,38,2,12,30,9,T4,Excalibur 2,3703\n"
    "18-Mar-2025,25,3,14,33,8,5,T1,Excalibur 3,3702\n"
    "15-Mar-2025,30,9,22,3,17,5,T1,Excalibur 3,3701\n"
    "14-Mar-2025,11,2,40,25,7,14,T2,Excalibur 1,3700\n"
    "12-Mar-2025,19,33,1,26,12,7,T2,Excalibur 1,3699\n"
    "11-Mar-2025,4,39,15,28,21,1,T3,Excalibur 4,3698\n"
    "08-Mar-2025,36,6,13,27,31,9,T3,Excalibur 4,3697\n"
    "07-Mar-2025,10,23,18,34,2,11,T4,Excalibur 2,3696\n"
    "05-Mar-2025,38,7,3,16,24\n"
    "04-Mar-2025,5,12,20,29,37,3,T1,Excalibur 3,3695\n";

// The folder list reads folders in the background; waits (a bounded while) for the subfolders
// of the current folder to be listed.
void waitForFolderList(QWidget& chooser) {
    const auto* tree = chooser.findChild<QTreeView*>(QStringLiteral("DirectoryListBox1"));
    QTimer wakeUp;
    wakeUp.start(50);
    for (int turn = 0; turn < 100 && tree->model()->rowCount(tree->currentIndex()) == 0; ++turn)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
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
    QTemporaryDir dataFolder;
    orvane::Session session;
    session.programFolder = programFolder.path().toStdString() + "/";
    session.dataFolder = dataFolder.path().toStdString() + "/";
    orvane::test::ScriptedPrompts prompts;
    orvane::test::RecordingShell shell;
    // The history imports the sample draws as if the player had picked their file.
    orvane::test::ScriptedOpenPath drawFile;
    drawFile.answer =
        QDir(programFolder.path()).filePath(QStringLiteral("draws.csv")).toStdString();
    {
        QFile draws(QString::fromStdString(*drawFile.answer));
        if (!draws.open(QIODevice::WriteOnly) || draws.write(kSampleDraws) < 0)
            return 1;
    }
    orvane::ProgramWindows program(session, prompts, shell, nullptr, nullptr, &drawFile);
    orvane::AppWindows& w = program.windows();

    bool ok = save(w.main, folder, QStringLiteral("main_window_empty"));
    markSample(session, *w.main);
    ok &= save(w.main, folder, QStringLiteral("main_window"));
    ok &= saveWithListOpen(*w.main, "ComboBox1", folder, QStringLiteral("main_window_system_list"));
    {
        // The grid taken by the keyboard: the frame on 12, a selected number, moved to with the
        // arrow keys.
        auto* grid = w.main->findChild<orvane::TicketGridPanel*>(QStringLiteral("pgrille"));
        QApplication::setActiveWindow(w.main);
        grid->setFocus();
        for (int step = 1; step < 12; ++step) {
            QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
            QApplication::sendEvent(grid, &right);
        }
        ok &= save(w.main, folder, QStringLiteral("main_window_keyboard"));
        grid->clearFocus();
    }
    ok &= save(w.about.get(), folder, QStringLiteral("about_box"));
    w.about->hide();

    session.run.RebuildPlayOrder(session.grid);
    ok &= save(w.boardsView.get(), folder, QStringLiteral("boards_view"));
    w.boardsView->hide();
    ok &= save(w.boardList.get(), folder, QStringLiteral("board_list_window"));
    w.boardList->hide();
    ok &= save(w.ticketPrint.get(), folder, QStringLiteral("ticket_print_window"));
    w.ticketPrint->hide();
    {
        // The sample's 15 boards on three tickets, with their numbers on top, laid out for a
        // sheet without margins, as the preview shows them when no printer is installed.
        orvane::QtPrintCanvas paper(QDir(programFolder.path()).filePath(QStringLiteral("x.pdf")));
        orvane::PrintPreviewWindow preview(orvane::TicketPreview(session.boards(), session.settings,
                                                                 paper, prompts, 1, 1, 15, true),
                                           w.main);
        ok &= save(&preview, folder, QStringLiteral("print_preview"));
        preview.showPage(2);
        ok &= save(&preview, folder, QStringLiteral("print_preview_last_ticket"));
        // The test sheet with adjustments of 3 mm right and 2 mm up, the whole page in view.
        orvane::AppSettings adjusted = session.settings;
        adjusted.horizontalOffset = 3;
        adjusted.verticalOffset = -2;
        orvane::PrintPreviewWindow sheet(orvane::PrinterTestSheetPreview(adjusted, paper), w.main);
        ok &= save(&sheet, folder, QStringLiteral("printer_test_sheet"));
        sheet.findChild<QComboBox*>(QStringLiteral("zoom"))->setCurrentIndex(0);
        ok &= save(&sheet, folder, QStringLiteral("printer_test_sheet_whole_page"));
    }

    // The sample's boards against the draw 3 12 19 25 30 with Thunderball 5.
    w.comparison->show();
    const int drawn[] = {3, 12, 19, 25, 30, 5};
    const char* lists[] = {"ComboBox1", "ComboBox2", "ComboBox3",
                           "ComboBox4", "ComboBox5", "ComboBox9"};
    for (int i = 0; i < 6; ++i)
        w.comparison->findChild<QComboBox*>(QLatin1String(lists[i]))->setCurrentIndex(drawn[i] - 1);
    w.comparison->Button1Click();
    ok &= save(w.comparison.get(), folder, QStringLiteral("comparison_window"));
    w.comparison->hide();

    // The history as its menu item opens it, empty; then with the sample draws imported (two
    // lines refused) and every draw checked against the sample's boards.
    orvane::DrawHistoryWindow* history = w.drawHistory.get();
    ok &= save(history, folder, QStringLiteral("draw_history_empty"));
    history->Import();
    history->CheckEveryDraw();
    ok &= save(history, folder, QStringLiteral("draw_history"));
    // Its charts: the net so far, then how the numbers fell.
    history->ShowCharts();
    orvane::DrawHistoryChartsWindow* historyCharts = history->charts();
    ok &= save(historyCharts, folder, QStringLiteral("draw_history_charts_money"));
    historyCharts->findChild<QTabWidget*>(QStringLiteral("tcharts"))->setCurrentIndex(1);
    ok &= save(historyCharts, folder, QStringLiteral("draw_history_charts_numbers"));
    historyCharts->hide();
    history->hide();
    // The comparison with its list of the draws kept opened.
    ok &= saveWithListOpen(*w.comparison, "cbstored", folder,
                           QStringLiteral("comparison_window_stored_draws"));
    // The newest draw kept picked: the six lists hold it, and the boards are compared with it.
    w.comparison->findChild<QComboBox*>(QStringLiteral("cbstored"))->setCurrentIndex(1);
    w.comparison->Button1Click();
    ok &= save(w.comparison.get(), folder, QStringLiteral("comparison_window_stored_draw_picked"));
    w.comparison->hide();

    // The wheel profile as its menu item opens it: the sample's system with its fixed number (and
    // a prize typed on its way to an amount, so the hint shows), then a full system, a "4 if 5"
    // one and the one with the most numbers.
    orvane::WheelProfileWindow* profile = w.wheelProfile.get();
    ok &= save(profile, folder, QStringLiteral("wheel_profile_fixed"));
    profile->ShowCharts();
    ok &= save(profile->charts(), folder, QStringLiteral("wheel_profile_charts"));
    profile->charts()->hide();
    auto* price = profile->findChild<QLineEdit*>(QStringLiteral("eprize3"));
    price->selectAll();
    price->insert(QStringLiteral("10,5"));
    ok &= save(profile, folder, QStringLiteral("wheel_profile_amount_unfinished"));
    profile->OperatorPrizes();
    profile->hide();
    const struct {
        int system;
        const char* name;
    } profiled[] = {
        {13, "wheel_profile_full"}, {14, "wheel_profile_4_if_5"}, {71, "wheel_profile_25_numbers"}};
    for (const auto& [system, name] : profiled) {
        session.systemList.choose(session.systemList.positionOfSystem(system));
        ok &= save(profile, folder, QLatin1String(name));
        profile->hide();
    }
    session.systemList.choose(session.systemList.positionOfSystem(8));

    ok &= save(w.parameters.get(), folder, QStringLiteral("parameters_window"));
    w.parameters->hide();
    // The chooser as loading shows it, over a folder holding two games and a subfolder.
    QTemporaryDir games;
    for (const char* name : {"thunderball-week1", "thunderball-week2"}) {
        QFile file(QDir(games.path()).filePath(QLatin1String(name)));
        ok &= file.open(QIODevice::WriteOnly);
    }
    QDir(games.path()).mkdir(QStringLiteral("archive"));
    w.fileChooser->openFolder(games.path());
    w.fileChooser->setCaption("Select the file to load");
    w.fileChooser->setNameReadOnly(true);
    w.fileChooser->show();
    waitForFolderList(*w.fileChooser);
    ok &= save(w.fileChooser.get(), folder, QStringLiteral("file_chooser"));
    w.fileChooser->hide();

    // Make a wheel over the sample's marks, before any search and after one made a wheel.
    orvane::MakeWheelWindow* maker = w.makeWheel.get();
    ok &= save(maker, folder, QStringLiteral("make_wheel"));
    maker->findChild<QComboBox*>(QStringLiteral("cpromise"))
        ->setCurrentText(QStringLiteral("3 if 3"));
    maker->Start();
    while (maker->isSearching())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    ok &= save(maker, folder, QStringLiteral("make_wheel_made"));
    maker->hide();
    return ok ? 0 : 1;
}
