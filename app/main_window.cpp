#include "app/main_window.h"

#include "app/about_box.h"
#include "app/companion.h"
#include "app/menu_commands.h"
#include "app/session.h"
#include "app/shell_actions.h"
#include "common/gradient_backdrop.h"
#include "common/pictures.h"
#include "common/prompts.h"
#include "common/window_place.h"
#include "common/window_style.h"
#include "gamefiles/file_chooser.h"
#include "gamefiles/game_file_flows.h"
#include "gamefiles/recent_games.h"
#include "output/board_list_window.h"
#include "output/test_sheet_preview.h"
#include "output/ticket_print_window.h"
#include "prizes/wheel_profile_window.h"
#include "results/comparison_window.h"
#include "results/draw_history_window.h"
#include "settings/parameters_window.h"
#include "wheelmaker/make_wheel_window.h"
#include "wheels/boards_view.h"
#include "wheels/player_wheel_store.h"
#include "wheels/random_selection.h"
#include "wheels/selection_hint.h"
#include "wheels/system_list_box.h"
#include "wheels/ticket_grid_panel.h"
#include "wheels/wheel_catalogue.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>

#include <filesystem>

namespace orvane {

namespace {

constexpr QSize kClientSize(619, 375);

// A state read from a game file other than the three marks shows as selected.
CellPicture PictureOf(CellState s) {
    return s == kEmpty   ? CellPicture::Empty
           : s == kFixed ? CellPicture::Fixed
                         : CellPicture::Selected;
}

// A command button named `name`, in the windows' regular face. The commands say what they do, so
// no hint is shown.
QPushButton* commandButton(QWidget* parent, const char* name, const char* text, QRect geometry) {
    auto* b = new QPushButton(QString::fromUtf8(text), parent);
    b->setObjectName(QLatin1String(name));
    b->setGeometry(geometry);
    b->setFont(WindowFont(false));
    return b;
}

// The window `window` holds, made only when it is opened.
template <class Window> std::function<QDialog*()> OnOpening(OnFirstUse<Window>& window) {
    return [&window] { return window.get(); };
}

} // namespace

MainWindow::MainWindow(Session& session, Prompts& prompts, ShellActions& shell, AppWindows& windows)
    : m_session(session), m_prompts(prompts), m_shell(shell), m_windows(windows) {
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(QStringLiteral("Orvane"));
    setWindowIcon(ProgramIcon());
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFont(WindowFont(true));

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(kClientSize);
    setCentralWidget(client);
    InstallBackdrop(client);
    buildControls(client);
    buildMenus();
    addUndo();
    // A game file dropped on the window is loaded as Load game loads it.
    setAcceptDrops(true);
    if (!m_session.playerFolder.empty())
        m_recent = ReadRecentGames(m_session.playerFolder + kRecentGamesFileName);
    showRecentGames();

    // Start-up: settings first, English texts, the list with its first entry chosen, an empty
    // grid, then the grid laid out for the style read from the parameters file.
    LoadSettings(m_session.settings, m_session.programFolder, m_session.playerFolder);
    m_session.settings.language = kLanguageEnglish;
    m_session.systemList = SystemList();
    ShowChosenSystem();
    m_session.grid.ClearCells(CellRange::All);
    RedrawGrid();
    UpdateCounters();
    ApplyGridStyle();
    setFixedSize(sizeHint());
}

void MainWindow::buildControls(QWidget* client) {
    auto* title = new QLabel(client);
    title->setObjectName(QStringLiteral("Image24"));
    title->setGeometry(82, 3, 352, 47);
    title->setPixmap(TitlePicture());

    auto* info = MakeGlyphToolButton(client, "SpeedButton2", InformationGlyph(), QString(),
                                     QRect(16, 13, 41, 36), GlyphToolLook::Flat);
    info->setToolTip(QStringLiteral("Informations"));
    info->setAccessibleName(info->toolTip());
    connect(info, &QToolButton::clicked, this, [this] { ShowAbout(); });
    auto* help = MakeGlyphToolButton(client, "boutaide", HelpGlyph(), QString(),
                                     QRect(573, 13, 38, 36), GlyphToolLook::Flat);
    help->setToolTip(QStringLiteral("Help"));
    help->setAccessibleName(help->toolTip());
    connect(help, &QToolButton::clicked, this,
            [this] { OpenHelpFile(m_shell, m_session.programFolder); });

    auto* listTitle =
        PlaceLabel(client, "ltitrechoix", QStringLiteral("Choose the system"), QPoint(15, 47));

    m_systemList = new SystemListBox(client);
    m_systemList->setObjectName(QStringLiteral("ComboBox1"));
    m_systemList->setGeometry(4, 58, 590, 21);
    // The title's line is taller than the room above the list, which would cover its descenders:
    // the title ends where the list begins and its text sits on that edge.
    listTitle->setFixedHeight(m_systemList->y() - listTitle->y());
    listTitle->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    m_systemList->setEditable(false);
    m_systemList->setMaxVisibleItems(16);
    for (const std::string& entry : m_session.systemList.entries())
        m_systemList->addItem(QString::fromStdString(entry));
    connect(m_systemList, &QComboBox::currentIndexChanged, this,
            [this](int position) { m_session.systemList.choose(position); });
    m_systemList->setBeforeBrowsing([this] { ListPlayerWheels(); });

    m_grid = new TicketGridPanel(GridPlacement::MainWindow, client);
    m_grid->setGeometry(2, 81, 357, 271);
    for (int tag = 1; tag <= kLastScreenCell; ++tag) {
        connect(m_grid->cell(tag), &GridCell::leftClicked, this,
                [this](int cell) { casecoch(cell); });
        connect(m_grid->cell(tag), &GridCell::rightPressed, this,
                [this](int cell) { clickdroit(cell); });
    }
    PlaceLabel(m_grid, "Label5", QStringLiteral("left click to select/deselect"), QPoint(10, 134))
        ->setFont(WindowFont(false));
    PlaceLabel(m_grid, "Label6", QStringLiteral("Right click for fixed numbers"), QPoint(10, 150))
        ->setFont(WindowFont(false));
    auto* lotteries = new QPushButton(QStringLiteral("Play Worldwide Lotteries"), m_grid);
    lotteries->setObjectName(QStringLiteral("BitBtn1"));
    lotteries->setGeometry(2, 240, 175, 25);
    lotteries->setFont(WindowFont(false));
    connect(lotteries, &QPushButton::clicked, this,
            [this] { m_shell.OpenInBrowser(LotteryPageUrl()); });

    auto* view = commandButton(client, "bvoirbulletin", "View the boards", QRect(365, 82, 243, 36));
    connect(view, &QPushButton::clicked, this, [this] {
        OpenBoardsWindow(ThunderballRule::ExactlyOne, OnOpening(m_windows.boardsView));
    });
    auto* list = commandButton(client, "bimplistbull", "List of boards", QRect(365, 121, 121, 36));
    connect(list, &QPushButton::clicked, this, [this] {
        OpenBoardsWindow(ThunderballRule::ExactlyOne, OnOpening(m_windows.boardList));
    });
    auto* print = commandButton(client, "bimpbull", "Print the tickets", QRect(488, 120, 120, 37));
    connect(print, &QPushButton::clicked, this, [this] {
        OpenBoardsWindow(ThunderballRule::ExactlyOne, OnOpening(m_windows.ticketPrint));
    });
    auto* compare =
        commandButton(client, "bcomparer", "Compare with the results", QRect(365, 158, 243, 36));
    connect(compare, &QPushButton::clicked, this, [this] {
        OpenBoardsWindow(ThunderballRule::ExactlyOne, OnOpening(m_windows.comparison));
    });
    auto* clear = commandButton(client, "beffacer", "Clear the boards", QRect(365, 198, 243, 36));
    // Two commands are buttons only: their keys are the buttons'.
    clear->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Delete));
    connect(clear, &QPushButton::clicked, this, [this] { beffacerClick(); });

    auto* counters = new QGroupBox(QStringLiteral("Numbers selected"), client);
    counters->setObjectName(QStringLiteral("GroupBox1"));
    counters->setGeometry(189, 214, 156, 69);
    PlaceLabel(counters, "Label1", QStringLiteral("MAIN BOARD"), QPoint(10, 22));
    m_mainCount = PlaceLabel(counters, "nbcoch", QStringLiteral("0"), QPoint(96, 22));
    PlaceLabel(counters, "Label3", QStringLiteral("F"), QPoint(122, 22));
    m_fixedCount = PlaceLabel(counters, "labnbFix", QStringLiteral("0"), QPoint(134, 22));
    PlaceLabel(counters, "Label4", QStringLiteral("THUNDERBALL"), QPoint(10, 44));
    m_thunderballCount = PlaceLabel(counters, "lnbcochb", QStringLiteral("0"), QPoint(96, 44));
    for (QLabel* count : {m_mainCount, m_fixedCount, m_thunderballCount})
        count->setFixedWidth(22);

    auto* random = commandButton(client, "bnaleat", "Random numbers", QRect(365, 239, 243, 38));
    random->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    connect(random, &QPushButton::clicked, this, [this] { aleaclick(); });
    auto* quit = commandButton(client, "bquitter", "Quit", QRect(365, 282, 243, 69));
    quit->setFont(WindowFont(true));
    connect(quit, &QPushButton::clicked, this, [this] { Quit(); });

    auto* strip = new QFrame(client);
    strip->setObjectName(QStringLiteral("Panel1"));
    strip->setGeometry(0, 354, 638, 18);
    strip->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_information = PlaceLabel(strip, "Label2", QString(), QPoint(6, 2));
    m_information->setFont(WindowFont(false));
    ShowHint({});

    // The keyboard visits the list and the commands first, the grid last.
    QWidget* order[] = {m_systemList, view,     list,  print,  compare, clear,
                        quit,         counters, strip, m_grid, random};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void MainWindow::buildMenus() {
    const auto addMenu = [this](const char* name, const char* text) {
        QMenu* menu = menuBar()->addMenu(QString::fromUtf8(text));
        menu->setObjectName(QLatin1String(name));
        menu->menuAction()->setObjectName(QLatin1String(name));
        return menu;
    };
    // The menus show each item's key beside its text.
    const auto addItem = [this](QMenu* menu, const MenuCommand& command, auto handler) {
        QAction* action = menu->addAction(QString::fromUtf8(command.text));
        action->setObjectName(QLatin1String(command.name));
        action->setShortcut(command.keys());
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    QMenu* files = addMenu("Fichier1", "Files");
    addItem(files, commands::kLoadGame, [this] { Chargerbulletin1Click(); });
    addItem(files, commands::kSaveGame, [this] { EnregistrerBulletin1Click(); });
    // The games loaded or saved last, beside the designed items.
    m_recentMenu = files->addMenu(QStringLiteral("Recent games"));
    m_recentMenu->setObjectName(QStringLiteral("mRecents1"));
    m_recentMenu->menuAction()->setObjectName(QStringLiteral("mRecents1"));
    addItem(files, commands::kQuit, [this] { Quit(); });
    QMenu* utilize = addMenu("Utilisation1", "Utilize");
    addItem(utilize, commands::kViewBoards, [this] {
        OpenBoardsWindow(ThunderballRule::AtLeastOne, OnOpening(m_windows.boardsView));
    });
    addItem(utilize, commands::kListBoards, [this] {
        OpenBoardsWindow(ThunderballRule::AtLeastOne, OnOpening(m_windows.boardList));
    });
    addItem(utilize, commands::kCompare, [this] {
        OpenBoardsWindow(ThunderballRule::AtLeastOne, OnOpening(m_windows.comparison));
    });
    addItem(utilize, commands::kPrintTickets, [this] {
        OpenBoardsWindow(ThunderballRule::AtLeastOne, OnOpening(m_windows.ticketPrint));
    });
    addItem(utilize, commands::kWheelProfile, [this] { OpenWheelProfile(); });
    addItem(utilize, commands::kDrawHistory, [this] { OpenDrawHistory(); });
    addItem(utilize, commands::kMakeWheel, [this] { OpenMakeWheel(); });
    QMenu* options = addMenu("Options1", "Options");
    addItem(options, commands::kParameters, [this] { Paramtres1Click(); });
    addItem(options, commands::kPrinterTestSheet, [this] {
        if (m_windows.print)
            ShowPrinterTestSheet(this, m_session.settings, m_prompts, *m_windows.print);
    });
    QMenu* help = addMenu("Aide1", "Help");
    addItem(help, commands::kHelp, [this] { OpenHelpFile(m_shell, m_session.programFolder); });
    addItem(help, commands::kInfos, [this] { ShowAbout(); });
}

void MainWindow::addUndo() {
    // Beside the menus the window was designed with: a key of the window, named by the hint line
    // after each command it undoes.
    auto* undo = new QAction(QStringLiteral("Undo"), this);
    undo->setObjectName(QStringLiteral("mAnnuler1"));
    undo->setShortcut(QKeySequence::Undo);
    connect(undo, &QAction::triggered, this, [this] { Undo(); });
    addAction(undo);
}

void MainWindow::RedrawGrid() {
    for (int tag = 1; tag <= kLastScreenCell; ++tag)
        m_grid->cell(tag)->setPicture(PictureOf(m_session.grid.state(tag)));
}

void MainWindow::UpdateCounters() {
    // A screen reader says what each number counts.
    const auto show = [](QLabel* counter, const char* what, int count) {
        counter->setText(QString::number(count));
        counter->setAccessibleName(QStringLiteral("%1: %2").arg(QLatin1String(what)).arg(count));
    };
    show(m_mainCount, "Main numbers selected", m_session.grid.CountCells(CellKind::Main));
    show(m_fixedCount, "Fixed numbers", m_session.grid.CountCells(CellKind::Fixed));
    show(m_thunderballCount, "Thunderball numbers selected",
         m_session.grid.CountCells(CellKind::Thunderball));
}

void MainWindow::ListPlayerWheels() {
    if (!m_playerWheelsRead && m_windows.wheels) {
        // Read once a run; wheels made or loaded later are shelved as they come.
        m_playerWheelsRead = m_windows.wheels->shelveKeptWheels() == DatabaseProblem::None;
    }
    m_session.systemList.refreshPlayerWheels();
    FillSystemList();
}

void MainWindow::FillSystemList() {
    std::vector<std::string> shown;
    for (int i = 0; i < m_systemList->count(); ++i)
        shown.push_back(m_systemList->itemText(i).toStdString());
    if (shown != m_session.systemList.entries()) {
        const QSignalBlocker blocker(m_systemList);
        m_systemList->clear();
        for (const std::string& entry : m_session.systemList.entries())
            m_systemList->addItem(QString::fromStdString(entry));
    }
    ShowChosenSystem();
}

void MainWindow::ShowChosenSystem() {
    const QSignalBlocker blocker(m_systemList);
    m_systemList->setCurrentIndex(m_session.systemList.chosenPosition());
}

void MainWindow::ShowHint(const std::string& hint) {
    m_information->setText(hint.empty() ? QStringLiteral("Mark more numbers than a board holds, "
                                                         "choose a system and play every board "
                                                         "it gives.")
                                        : QString::fromStdString(hint));
    m_information->adjustSize();
}

void MainWindow::ApplyGridStyle() {
    m_grid->ApplyGridStyle(m_session.settings.gridStyle);
}

void MainWindow::casecoch(int cell) {
    forgetUndo();
    m_grid->cell(cell)->setPicture(PictureOf(m_session.grid.MarkByLeftClick(cell)));
    UpdateCounters();
}

void MainWindow::clickdroit(int cell) {
    forgetUndo();
    m_grid->cell(cell)->setPicture(PictureOf(m_session.grid.MarkByRightClick(cell)));
    UpdateCounters();
}

void MainWindow::beffacerClick() {
    // Clearing asks nothing: Ctrl+Z puts the marks back.
    m_undo.remember(m_session.grid, m_session.systemList);
    m_session.grid.ClearCells(CellRange::All);
    RedrawGrid();
    UpdateCounters();
    ShowHint("Every mark cleared: Ctrl+Z puts them back");
}

void MainWindow::forgetUndo() {
    if (!m_undo.canUndo())
        return;
    // The hint offering Ctrl+Z, or asking for the mark just made, has had its turn.
    m_undo.forget();
    ShowHint({});
}

void MainWindow::Undo() {
    if (!m_undo.undo(m_session.grid, m_session.systemList))
        return;
    FillSystemList();
    RedrawGrid();
    UpdateCounters();
    ShowHint({});
}

void MainWindow::aleaclick() {
    const int index = CurrentSystemIndex(m_session.systemList);
    if (!IsSystemIndex(index))
        return;
    const int n = WheelCatalogue(index).numberCount;
    if (n <= 0)
        return;
    std::mt19937 generator = FreshlySeededGenerator();
    m_undo.remember(m_session.grid, m_session.systemList);
    RandomSelection(m_session.grid, n, m_session.settings.gridStyle, generator);
    RedrawGrid();
    UpdateCounters();
    const std::string fixedLeft = RandomLeavesFixedText(m_session.systemList);
    ShowHint(fixedLeft.empty() ? "Numbers marked at random: Ctrl+Z puts back the marks before"
                               : fixedLeft);
}

void MainWindow::Quit() {
    if (!SaveSettings(m_session.settings, m_session.programFolder, m_session.playerFolder))
        m_prompts.ask(SaveFailedPrompt());
    close();
}

void MainWindow::Paramtres1Click() {
    // The window changes only the settings in memory; the list and the selection stay as they are.
    const int before = m_session.settings.gridStyle;
    if (ParametersWindow* window = m_windows.parameters.get())
        window->exec();
    if (m_session.settings.gridStyle != before)
        ApplyGridStyle();
}

void MainWindow::ShowAbout() {
    AboutBox* about = m_windows.about.get();
    if (!about)
        return;
    about->show();
    about->raise();
    about->activateWindow();
}

void MainWindow::EnregistrerBulletin1Click() {
    FileChooser* chooser = m_windows.fileChooser.get();
    if (!chooser)
        return;
    if (const std::optional<std::string> saved = SaveGame(
            m_session.gameRecord, m_session.grid, m_session.systemList, *chooser, m_prompts))
        rememberRecentGame(*saved);
}

void MainWindow::Chargerbulletin1Click() {
    FileChooser* chooser = m_windows.fileChooser.get();
    if (!chooser)
        return;
    const SelectionGrid gridBefore = m_session.grid;
    const SystemList listBefore = m_session.systemList;
    if (const std::optional<std::string> loaded =
            LoadGame(m_session.gameRecord, m_session.grid, m_session.systemList, *chooser,
                     m_prompts, m_windows.wheels))
        gameLoaded(*loaded, gridBefore, listBefore);
}

bool MainWindow::LoadGameFile(const std::string& path) {
    const SelectionGrid gridBefore = m_session.grid;
    const SystemList listBefore = m_session.systemList;
    if (!orvane::LoadGameFile(m_session.gameRecord, m_session.grid, m_session.systemList, path,
                              m_prompts, m_windows.wheels))
        return false;
    gameLoaded(path, gridBefore, listBefore);
    return true;
}

void MainWindow::gameLoaded(const std::string& path, const SelectionGrid& gridBefore,
                            const SystemList& listBefore) {
    m_undo.remember(gridBefore, listBefore);
    // A game that carried a wheel has added it to the list.
    FillSystemList();
    RedrawGrid();
    UpdateCounters();
    ShowHint("Game loaded: Ctrl+Z puts back the marks before it");
    rememberRecentGame(path);
}

void MainWindow::rememberRecentGame(const std::string& path) {
    m_recent = WithRecentGame(std::move(m_recent), path);
    // A list that cannot be kept still serves this run; nothing to tell the player.
    WriteRecentGames(m_session.playerFolder, m_recent);
    showRecentGames();
}

void MainWindow::showRecentGames() {
    m_recentMenu->clear();
    for (std::size_t i = 0; i < m_recent.size(); ++i) {
        const QFileInfo file(QString::fromStdString(m_recent[i]));
        // "&1 saturday   (/home/player/games)": the name first, its folder to tell two apart.
        QAction* item = m_recentMenu->addAction(
            QStringLiteral("&%1 %2   (%3)").arg(i + 1).arg(file.fileName(), file.path()));
        item->setObjectName(QStringLiteral("mRecent%1").arg(i + 1));
        connect(item, &QAction::triggered, this,
                [this, path = m_recent[i]] { LoadGameFile(path); });
    }
    m_recentMenu->setEnabled(!m_recent.empty());
}

const std::vector<std::string>& MainWindow::recentGames() const {
    return m_recent;
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() == 1 && urls.first().isLocalFile())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() != 1 || !urls.first().isLocalFile())
        return;
    event->acceptProposedAction();
    LoadGameFile(urls.first().toLocalFile().toStdString());
}

void MainWindow::OpenBoardsWindow(ThunderballRule rule, const std::function<QDialog*()>& window) {
    if (!SelectionCheck(m_session.grid, m_session.systemList, rule)) {
        m_prompts.ask(IncorrectSelectionPrompt());
        // The message names no number: the hint line says what the system needs.
        ShowHint(SelectionNeedsText(m_session.grid, m_session.systemList, rule));
        return;
    }
    ShowHint({});
    m_session.run.RebuildPlayOrder(m_session.grid);
    UpdateCounters();
    if (QDialog* opened = window ? window() : nullptr)
        opened->exec();
}

void MainWindow::OpenWheelProfile() {
    const int index = CurrentSystemIndex(m_session.systemList);
    if (!IsSystemIndex(index) || !HasCompleteTable(index))
        return;
    if (WheelProfileWindow* window = m_windows.wheelProfile.get())
        window->exec();
}

void MainWindow::OpenMakeWheel() {
    if (MakeWheelWindow* window = m_windows.makeWheel.get())
        window->exec();
}

void MainWindow::ChooseSystem(int index) {
    ListPlayerWheels();
    m_session.systemList.choose(m_session.systemList.positionOfSystem(index));
    ShowChosenSystem();
}

void MainWindow::OpenDrawHistory() {
    if (DrawHistoryWindow* window = m_windows.drawHistory.get())
        window->exec();
}

void MainWindow::PlaceOnScreen() {
    // Back where the player left it, when that still lies whole on a screen (a screen since
    // unplugged, or a smaller one, puts it back in the middle).
    if (const std::optional<WindowPlace> place =
            m_session.playerFolder.empty()
                ? std::nullopt
                : ReadWindowPlace(m_session.playerFolder + kWindowPlaceFileName)) {
        const QRect wanted(QPoint(place->x, place->y), frameGeometry().size());
        for (const QScreen* screen : QGuiApplication::screens()) {
            if (screen->availableGeometry().contains(wanted)) {
                move(wanted.topLeft());
                m_placedAt = pos();
                return;
            }
        }
    }
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    m_placedAt = pos();
}

void MainWindow::keepWindowPlace() {
    // A window never placed on a screen has no place to keep, and one never moved from where it
    // was placed needs none: the player's folder is not made for nothing.
    if (m_session.playerFolder.empty() || !m_placedAt)
        return;
    const std::string kept = m_session.playerFolder + kWindowPlaceFileName;
    std::error_code error;
    if (pos() == *m_placedAt && !std::filesystem::exists(kept, error))
        return;
    // A place that cannot be kept is no loss to report.
    WriteWindowPlace(m_session.playerFolder, {x(), y(), width(), height()});
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Kept whichever way the window closes.
    keepWindowPlace();
    LaunchCompanion(m_shell, m_session.programFolder);
    // An about box never opened has nothing to close.
    if (AboutBox* about = m_windows.about.ifMade())
        about->close();
    event->accept();
}

} // namespace orvane
