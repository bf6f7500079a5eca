#pragma once
// The printer test sheet: the boxes of a ticket outlined where the adjustments put the marks, a few
// bars in them, and millimetre rulers measuring the paper, for finding the printer adjustments.

#include "common/prompts.h"
#include "output/print_canvas.h"
#include "output/ticket_layout.h"

#include <string>

namespace orvane {

struct AppSettings;

// The thickness of the box outlines and of the ruler ticks, in centimetres.
inline constexpr double kTestSheetLineWidth = 0.022;

// How far the ticks of the rulers reach in from the paper's edge, in centimetres: every
// millimetre, every 5 millimetres, and every centimetre (with the number of centimetres beyond
// its end). The rulers are measured from the paper's corner and ignore the adjustments.
inline constexpr double kRulerMillimetreTick = 0.8;
inline constexpr double kRulerHalfCentimetreTick = 1.0;
inline constexpr double kRulerCentimetreTick = 1.2;

// Where the printed instructions start on the paper, in centimetres from its corner, right of the
// boards (further right when the horizontal adjustment pushes the boards close to them).
inline constexpr double kTestSheetTextLeft = 9.0;
inline constexpr double kTestSheetTextTop = 2.3;

// "Current adjustments: horizontal 3 mm, vertical -2 mm".
std::string CurrentAdjustmentsText(const AppSettings& settings);

// Draws the test sheet onto the page of a document already begun on `canvas`, placed by the
// adjustments of `settings`. Does not begin, end or add pages.
//
// The page shows: the outline of every box of the layout's boards, moved by the adjustments; the
// bar ticket printing draws (DrawMark) in the boxes of main numbers 1 and 39 and Thunderballs 1
// and 14 of the first and the last board; millimetre rulers along the top and left edges of the
// paper, which do not move and stop short of the boards and the text; a title, the layout's name,
// the instructions and the current adjustments, right of the boards. Everything beyond the
// device's int coordinates is left out.
void DrawPrinterTestSheet(PrintCanvas& canvas, const AppSettings& settings,
                          const TicketLayout& layout);

// Begins a document, draws the sheet with the first layout of TicketLayouts(), ends it; a printer
// that cannot start or refuses the job is reported through `prompts` (as PrintTickets does).
void PrintPrinterTestSheet(PrintCanvas& canvas, const AppSettings& settings, Prompts& prompts);

} // namespace orvane
