#pragma once
// The tickets of a print run as the preview shows them, laid out for the printer they go to.

#include "output/print_preview_window.h"
#include "wheels/system_boards.h"

namespace orvane {

struct AppSettings;
class PrintCanvas;
class Prompts;

// Every ticket of boards first..last (all of them when the range leaves 1..count) exactly as
// ticket printing draws it on `printer`, with the marks `printer` cannot reach named; laid out
// for a sheet with no margins when there is no printer.
PreviewContent TicketPreview(SystemBoards boards, const AppSettings& settings, PrintCanvas& printer,
                             Prompts& prompts, int layout, int first, int last, bool numberOnTop);

} // namespace orvane
