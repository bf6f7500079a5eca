#pragma once
// The pictures on the buttons of the list, print and boards windows, drawn by the program.

#include <QPixmap>

namespace orvane {

QPixmap PrinterGlyph();              // 32 x 32, a printer with a sheet coming out
QPixmap TicketGlyph();               // 32 x 32, a ticket with marks
QPixmap ArrowGlyph(bool pointsLeft); // 32 x 32, a green arrow: previous or next

} // namespace orvane
