#pragma once
// The program's windows: the main window made at start, every other one on its first opening, and
// each kept for the rest of the run.

#include "app/on_first_use.h"

namespace orvane {

class MainWindow;
class BoardsView;
class AboutBox;
class BoardListWindow;
class ComparisonWindow;
class FileChooser;
class TicketPrintWindow;
class ParametersWindow;
class WheelProfileWindow;
class DrawHistoryWindow;
class DrawHistoryStore;
class OpenPathDialog;
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
    // Created by the main window on its first opening.
    WheelProfileWindow* wheelProfile = nullptr;
    DrawHistoryWindow* drawHistory = nullptr;
    // The draws kept by the player, and how the history window asks for a file to import.
    DrawHistoryStore* storedDraws = nullptr;
    OpenPathDialog* openPath = nullptr;
    // What the print windows print with, for the windows opened from the menus alone.
    PrintServices* print = nullptr;
};

} // namespace orvane
