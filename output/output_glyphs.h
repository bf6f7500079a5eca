#pragma once
// The pictures on the buttons of the list and print windows, drawn by the program.

#include <QPixmap>

namespace orvane {

QPixmap PrinterGlyph(); // 32 x 32, a printer with a sheet coming out
QPixmap TicketGlyph();  // 32 x 32, a ticket with marks

} // namespace orvane
