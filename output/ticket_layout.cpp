#include "output/ticket_layout.h"

#include <array>

namespace orvane {

namespace {

constexpr std::array<TicketLayout, 1> kLayouts = {{
    {"TICKET THUNDERBALL UK", 0.5, 2.49, 0.63, 0.385, 2.387, 1, 6},
}};

constexpr int kMainColumns = 8;
// A bar's size: its left end and middle line are the box's place.
constexpr double kBarLength = 0.17;
constexpr double kBarThickness = 0.15;
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

std::vector<TicketBox> TicketBoxes(const TicketLayout& layout) {
    std::vector<TicketBox> boxes;
    const auto add = [&](int board, bool thunderball, int number, BoxPlace place, double left) {
        const double x = left + (place.column - 1) * layout.columnPitch;
        const double y =
            layout.originY + (board - 1) * layout.boardPitch + (place.row - 1) * layout.rowPitch;
        boxes.push_back({board, thunderball, number, x - kBoxMargin,
                         y - kBarThickness / 2 - kBoxMargin, x + kBarLength + kBoxMargin,
                         y + kBarThickness / 2 + kBoxMargin});
    };
    const double thunderballLeft = layout.originX + kMainColumns * layout.columnPitch;
    for (int board = 1; board <= layout.boardsPerTicket(); ++board) {
        for (int m = 1; m <= 39; ++m)
            add(board, false, m, MainNumberBox(m), layout.originX);
        for (int t = 1; t <= 14; ++t)
            add(board, true, t, ThunderballBox(t), thunderballLeft);
    }
    return boxes;
}

} // namespace orvane
