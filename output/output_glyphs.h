#pragma once
// The pictures on the buttons of the list and print windows, drawn by the program.

#include <QPixmap>

namespace orvane {

QPixmap PrinterGlyph(); // 32 x 32, a printer with a sheet coming out
QPixmap TicketGlyph();  // 32 x 32, a ticket with marks
QPixmap ReturnGlyph();  // 32 x 32, a bent arrow pointing back
QPixmap CancelGlyph();  // 24 x 24, a red cross
QPixmap PrintGoGlyph(); // 24 x 24, a green tick

} // namespace orvane
