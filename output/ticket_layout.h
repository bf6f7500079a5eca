#pragma once
// Where the number boxes sit on the game's paper tickets, in centimetres from the sheet's
// top-left corner as it passes through the printer.

#include <cstdint>
#include <span>
#include <vector>

namespace orvane {

struct TicketLayout {
    const char* layoutName;
    double originX;     // left end of a bar in main-number column 1
    double originY;     // bars of main-number row 1 of the ticket's first board
    double columnPitch; // also the pitch of the Thunderball block
    double rowPitch;
    double boardPitch; // from one board to the next on the same ticket
    std::int32_t boardsAcross;
    std::int32_t boardsDown;

    int boardsPerTicket() const { return boardsAcross * boardsDown; }
};

// The layouts the program knows, entry 0 being layout 1.
std::span<const TicketLayout> TicketLayouts();

// Column and row (from 1) of a box within a board's block.
struct BoxPlace {
    int column;
    int row;
};

// Main number m (1..39) in the block of 8 columns.
BoxPlace MainNumberBox(int m);
// Thunderball number t (1..14) in the block of 4 columns right of the main block; its first row
// holds only 1 and 2, in the middle two columns.
BoxPlace ThunderballBox(int t);

// Where a number's bar goes, in centimetres from the sheet's corner: the bar's left end is at x
// and its middle on y.
struct MarkPlace {
    double x;
    double y;
};

// A mark is a bar this long and, on a printer with equal resolution on both axes, this thick, in
// centimetres.
inline constexpr double kMarkLength = 0.17;
inline constexpr double kMarkThickness = 0.15;

// The bar of main number m (1..39) on board `slot` (from 1) of a ticket of `layout`.
MarkPlace MainNumberMark(const TicketLayout& layout, int slot, int m);
// The bar of Thunderball number t (1..14) on board `slot` (from 1) of a ticket of `layout`.
MarkPlace ThunderballMark(const TicketLayout& layout, int slot, int t);

// A rectangle on the paper, in centimetres from its corner.
struct CmRect {
    double left, top, right, bottom;
};

// How far a number's box on the ticket reaches beyond the bar drawn in it, on every side.
inline constexpr double kBoxMargin = 0.05;

// The box around the bar whose place is `mark`.
CmRect BoxAround(MarkPlace mark);

// A number's box as printed on the paper ticket.
struct TicketBox {
    int board;        // 1..boards per ticket, from the top
    bool thunderball; // in the Thunderball block rather than the main block
    int number;       // 1..39, or 1..14 in the Thunderball block
    CmRect box;
};

// Every box of every board of `layout`: each board's 39 main numbers, then its 14 Thunderballs.
std::vector<TicketBox> TicketBoxes(const TicketLayout& layout);

} // namespace orvane
