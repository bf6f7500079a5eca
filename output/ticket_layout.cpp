#include "output/ticket_layout.h"

#include <array>

namespace orvane {

namespace {

constexpr std::array<TicketLayout, 1> kLayouts = {{
    {"TICKET THUNDERBALL UK", 0.5, 2.49, 0.63, 0.385, 2.387, 1, 6},
}};

constexpr int kMainColumns = 8;
constexpr int kThunderballColumns = 4;

} // namespace

std::span<const TicketLayout> TicketLayouts() {
    return kLayouts;
}

BoxPlace MainNumberBox(int m) {
    return {(m - 1) % kMainColumns + 1, (m - 1) / kMainColumns + 1};
}

BoxPlace ThunderballBox(int t) {
    const int slot = t <= 2 ? t + 1 : t + 2;
    return {(slot - 1) % kThunderballColumns + 1, (slot - 1) / kThunderballColumns + 1};
}

MarkPlace MainNumberMark(const TicketLayout& layout, int slot, int m) {
    const double boardTop = layout.originY + (slot - 1) * layout.boardPitch;
    const BoxPlace box = MainNumberBox(m);
    return {layout.originX + (box.column - 1) * layout.columnPitch,
            boardTop + (box.row - 1) * layout.rowPitch};
}

MarkPlace ThunderballMark(const TicketLayout& layout, int slot, int t) {
    const double boardTop = layout.originY + (slot - 1) * layout.boardPitch;
    // The block's column 1 lies where a ninth main column would.
    const double thunderballLeft = layout.originX + kMainColumns * layout.columnPitch;
    const BoxPlace box = ThunderballBox(t);
    return {thunderballLeft + (box.column - 1) * layout.columnPitch,
            boardTop + (box.row - 1) * layout.rowPitch};
}

CmRect BoxAround(MarkPlace mark) {
    return {mark.x - kBoxMargin, mark.y - kMarkThickness / 2 - kBoxMargin,
            mark.x + kMarkLength + kBoxMargin, mark.y + kMarkThickness / 2 + kBoxMargin};
}

std::vector<TicketBox> TicketBoxes(const TicketLayout& layout) {
    std::vector<TicketBox> boxes;
    const auto add = [&boxes](int board, bool thunderball, int number, MarkPlace bar) {
        boxes.push_back({board, thunderball, number, BoxAround(bar)});
    };
    for (int board = 1; board <= layout.boardsPerTicket(); ++board) {
        for (int m = 1; m <= 39; ++m)
            add(board, false, m, MainNumberMark(layout, board, m));
        for (int t = 1; t <= 14; ++t)
            add(board, true, t, ThunderballMark(layout, board, t));
    }
    return boxes;
}

} // namespace orvane
