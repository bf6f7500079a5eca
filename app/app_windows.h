#pragma once
// The program's windows, each created once at start and kept for the whole run.

class QDialog;

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
    BoardsView* boardsView = nullptr;
    AboutBox* about = nullptr;
    BoardListWindow* boardList = nullptr;
    ComparisonWindow* comparison = nullptr;
    FileChooser* fileChooser = nullptr;
    TicketPrintWindow* ticketPrint = nullptr;
    ParametersWindow* parameters = nullptr;
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
