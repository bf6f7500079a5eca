#pragma once
// Entering a system's selection and a draw the way a player does, through the windows' controls.

namespace orvane {
class ComparisonWindow;
class MainWindow;
} // namespace orvane

namespace orvane::bench {

// Chooses system `systemIndex` in the main window's list and marks the selection SelectionFor
// gives with the grid's click handlers: right click for fixed numbers, left click for the rest.
void MarkSelectionFor(MainWindow& main, int systemIndex);

// Enters in the comparison window's lists a draw of the selection's first five numbers and its
// Thunderball, so the boards of `systemIndex` win at every rank they can.
void EnterWinningDraw(ComparisonWindow& window, int systemIndex);

} // namespace orvane::bench
