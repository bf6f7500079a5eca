#pragma once
// The pictures of the number grid, drawn by the program: the ticket board and the two crosses.

#include <QPixmap>

namespace orvane {

// One Thunderball ticket board, 356 x 119, its numbers at the main window's cell positions.
// Drawn when the program is built and kept in it (common/kept_picture.h).
const QPixmap& TicketBoardPicture();
QPixmap DrawTicketBoardPicture();
// A black diagonal cross, 14 x 20, on a transparent ground.
const QPixmap& SelectedCrossPicture();
// The same cross in red, for fixed numbers.
const QPixmap& FixedCrossPicture();

} // namespace orvane
