#pragma once
// Printing the boards of the chosen system onto paper tickets, six boards a ticket, a bar over
// the box of every number.

#include "common/prompts.h"
#include "output/print_canvas.h"
#include "output/ticket_layout.h"
#include "wheels/system_boards.h"

#include <optional>
#include <string>
#include <vector>

namespace orvane {

struct AppSettings;

enum class PrintMode { AllAtOnce = 1, TicketByTicket = 2 };

// A length on the ticket, in centimetres from the paper's corner, as device pixels on the
// canvas: the printer's resolution and printing offset and the player's adjustment in
// millimetres (horizontalOffset or verticalOffset) are read on every call. Ties round to even.
// Nothing when the position lies beyond the device's int coordinates, where an adjustment of
// tens of metres or more from the parameters file puts it: far off any paper.
std::optional<int> CmToPrinterPixels(PrintCanvas& canvas, const AppSettings& settings, Axis axis,
                                     double cm);

// Draws the bar of a number whose place on the ticket is (x, y) centimetres: its left end at x,
// centred on y, placed by the adjustments of `settings`, as thick in device pixels as
// kMarkThickness is tall on the printer. A bar with an end or an edge beyond the device's reach
// lies far off the paper and is left out.
void DrawMark(PrintCanvas& canvas, const AppSettings& settings, double x, double y);

// Prints boards first..last of the system chosen in `boards.list` (all of them when the range
// leaves 1..count), built by `boards.run` from `boards.grid` and placed by the adjustments of
// `settings`, a page per ticket. AllAtOnce prints them in one document; TicketByTicket prints each
// ticket as a document of its own and asks the player before every ticket after the first, so the
// player may cancel the rest. A printer that cannot start or refuses a job is reported through
// `prompts` and ends the printing.
void PrintTickets(SystemBoards boards, const AppSettings& settings, PrintCanvas& canvas,
                  Prompts& prompts, int layout, PrintMode mode, int first, int last,
                  bool numberOnTop);

// What printing these options on `canvas`'s printer would lose: the marks that fall outside its
// printable area, where a printer leaves them out, each named once in the order met ("the board
// number on top", "main number 1 on board 1 of the ticket", "Thunderball 14 on board 6 of the
// ticket"); boards are counted by their place on the ticket, where the marks are the same for
// every ticket.
std::vector<std::string> TicketMarksOffThePage(SystemBoards boards, const AppSettings& settings,
                                               PrintCanvas& canvas, int layout, int first, int last,
                                               bool numberOnTop);

// Whether the options window accepts the range for a system of `boardCount` boards.
bool IsPrintableRange(int first, int last, int boardCount);

// The value of the leading digits of a range field; 0 when it starts with no digit.
int LeadingNumber(const std::string& text);

Prompt IncorrectRangePrompt();
Prompt NextTicketPrompt();
// Names the marks `off` the printer cannot reach and asks whether to print all the same.
Prompt MarksOutOfReachPrompt(const std::vector<std::string>& off);

} // namespace orvane
