#pragma once
// The main window: the ticket grid, the system list, the counters and every command.

#include "app/app_windows.h"
#include "wheels/board_run.h"
#include "wheels/selection_undo.h"

#include <QMainWindow>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QAction;
class QComboBox;
class QDialog;
class QLabel;
class QMenu;
class QPushButton;

namespace orvane {

struct Session;
class Prompts;
class ShellActions;
class SystemListBox;
class TicketGridPanel;

class MainWindow final : public QMainWindow {
    Q_OBJECT
  public:
    MainWindow(Session& session, Prompts& prompts, ShellActions& shell, AppWindows& windows);

    TicketGridPanel* grid() const { return m_grid; }

    // Sets every cell picture from the selection.
    void RedrawGrid();
    // Writes the three counts into the counters.
    void UpdateCounters();
    // Shows the system list's chosen entry as the session holds it.
    void ShowChosenSystem();
    // Reads the player's wheels on the first call of the run and lists them after the catalogue's
    // systems.
    void ListPlayerWheels();
    // Shows the system list's entries as they are now, with the chosen one.
    void FillSystemList();
    // Where the window was left at the last close, or the middle of the primary screen.
    void PlaceOnScreen();
    // Background and visible cells of the grid for the current grid style.
    void ApplyGridStyle();
    // Puts `hint` on the information line along the bottom edge; its standing text when empty.
    void ShowHint(const std::string& hint);

    // The commands, as the buttons and menu items run them.
    void casecoch(int cell);
    void clickdroit(int cell);
    void beffacerClick();
    // Puts back the selection and system as they were before the last "Clear the boards",
    // "Random numbers" or game loaded (Ctrl+Z); a mark made by hand since leaves nothing to undo.
    void Undo();
    void aleaclick();
    void Quit();
    void Paramtres1Click();
    void ShowAbout();
    void EnregistrerBulletin1Click(); // save game
    void Chargerbulletin1Click();     // load game
    // Loads the game file at `path` as Load game does, with its messages: from the command line,
    // a file dropped on the window or the recent games. True when the selection changed.
    bool LoadGameFile(const std::string& path);
    // The games loaded or saved last, newest first, as the Files menu lists them.
    const std::vector<std::string>& recentGames() const;
    // Checks the selection against the chosen system, then opens the window `window` gives (made
    // on its first opening, so not before the check lets it open) modally; none for the check
    // alone.
    void OpenBoardsWindow(ThunderballRule rule, const std::function<QDialog*()>& window);
    // Opens the wheel profile of the chosen system modally, whatever is marked: it depends only
    // on the system and on the Thunderball numbers marked.
    void OpenWheelProfile();
    // Opens the draw history modally, whatever is marked: its check of every draw checks the
    // selection itself, as the comparison's button does.
    void OpenDrawHistory();
    void OpenMakeWheel();
    // Lists the player's wheels and chooses the system `index` in the list.
    void ChooseSystem(int index);

  protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void buildControls(QWidget* client);
    void buildMenus();
    void addUndo();
    void forgetUndo();
    void gameLoaded(const std::string& path, const SelectionGrid& gridBefore,
                    const SystemList& listBefore);
    void rememberRecentGame(const std::string& path);
    void showRecentGames();
    void keepWindowPlace();

    Session& m_session;
    Prompts& m_prompts;
    ShellActions& m_shell;
    AppWindows& m_windows;
    SelectionUndo m_undo;

    SystemListBox* m_systemList = nullptr;
    TicketGridPanel* m_grid = nullptr;
    QLabel* m_mainCount = nullptr;
    QLabel* m_fixedCount = nullptr;
    QLabel* m_thunderballCount = nullptr;
    // The player's wheels are read from the database when the list is first browsed.
    bool m_playerWheelsRead = false;
    QLabel* m_information = nullptr;
    QMenu* m_recentMenu = nullptr;
    std::vector<std::string> m_recent;
    std::optional<QPoint> m_placedAt; // where PlaceOnScreen put the window
};

} // namespace orvane
