#pragma once
// A player's road through the program's heaviest work, for measuring its peak memory.

namespace orvane {
class MainWindow;
struct AppWindows;
} // namespace orvane

namespace orvane::bench {

// With the main window shown, marks a selection for `systemIndex`, then opens each window that
// goes through every board with the main window's buttons and uses it as a player would: the list
// window (listed, then printed), the comparison window (a winning draw compared), the boards view
// (stepped to the last board) and the print options window (every ticket printed). Returns when
// the last window has closed.
void WalkTheRoad(MainWindow& main, AppWindows& windows, int systemIndex);

} // namespace orvane::bench
