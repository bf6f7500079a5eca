#pragma once
// Where the 53 cells sit on the two ticket grids (main window and boards view), in pixels
// relative to their panel.

#include <QPoint>
#include <QSize>

namespace orvane {

enum class GridPlacement { MainWindow, BoardsView };

QPoint CellPosition(GridPlacement placement, int cell);
QSize CellSize(GridPlacement placement);
// Where the ticket-board picture sits in the panel.
QPoint PicturePosition(GridPlacement placement);

} // namespace orvane
