#pragma once
// The program's windows: the main window made at start, every other one on its first opening, and
// each kept for the rest of the run.

#include "common/on_first_use.h"

namespace orvane {

class MainWindow;
class BoardsView;
class AboutBox;
class BoardListWindow;
class ComparisonWindow;
class FileChooser;
class TicketPrintWindow;
class ParametersWindow;
class MakeWheelWindow;
class WheelProfileWindow;
class DrawHistoryWindow;
class DrawHistoryStore;
class PrizeStore;
class PlayerWheelStore;
class OpenPathDialog;
class SavePathDialog;
struct PrintServices;

struct AppWindows {
    MainWindow* main = nullptr;
    OnFirstUse<BoardsView> boardsView;
    OnFirstUse<AboutBox> about;
    OnFirstUse<BoardListWindow> boardList;
    OnFirstUse<ComparisonWindow> comparison;
    OnFirstUse<FileChooser> fileChooser;
    OnFirstUse<TicketPrintWindow> ticketPrint;
    OnFirstUse<ParametersWindow> parameters;
    OnFirstUse<MakeWheelWindow> makeWheel;
    OnFirstUse<WheelProfileWindow> wheelProfile;
    OnFirstUse<DrawHistoryWindow> drawHistory;
    // The draws and prizes kept in the player's database, and how the history window asks for a
    // file to import and where to export.
    DrawHistoryStore* storedDraws = nullptr;
    PrizeStore* prizes = nullptr;
    PlayerWheelStore* wheels = nullptr;
    OpenPathDialog* openPath = nullptr;
    SavePathDialog* savePath = nullptr;
    // What the print windows print with, for the windows opened from the menus alone.
    PrintServices* print = nullptr;
};

} // namespace orvane
