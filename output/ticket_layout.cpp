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

} // namespace orvane
