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

// A number's box as printed on the paper ticket, in centimetres from the sheet's corner: the
// rectangle a bar over that number is drawn in, with a margin all round.
struct TicketBox {
    int board;        // 1..boards per ticket, from the top
    bool thunderball; // in the Thunderball block rather than the main block
    int number;       // 1..39, or 1..14 in the Thunderball block
    double left, top, right, bottom;
};

// How far a box reaches beyond the bar drawn in it, on every side.
constexpr double kBoxMargin = 0.05;

// Every box of every board of `layout`: each board's 39 main numbers, then its 14 Thunderballs.
std::vector<TicketBox> TicketBoxes(const TicketLayout& layout);

} // namespace orvane
