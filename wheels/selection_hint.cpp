#include "wheels/selection_hint.h"

#include "wheels/selection_grid.h"
#include "wheels/system_list.h"
#include "wheels/wheel_catalogue.h"

namespace orvane {

namespace {

// "1 number", "7 numbers".
std::string counted(int count, const char* noun) {
    return std::to_string(count) + " " + noun + (count == 1 ? "" : "s");
}

} // namespace

std::string SelectionNeedsText(const SelectionGrid& grid, const SystemList& list,
                               ThunderballRule rule) {
    const int index = CurrentSystemIndex(list);
    if (!IsSystemIndex(index) || !HasCompleteTable(index))
        return "Choose a system in the list above the grid";
    const WheelSystem& system = WheelCatalogue(index);
    std::string needs = "This system needs " + counted(system.numberCount, "number");
    needs += system.fixedCount > 0 ? " with " + std::to_string(system.fixedCount) + " fixed"
                                   : ", none fixed,";
    needs += rule == ThunderballRule::ExactlyOne ? " and one Thunderball"
                                                 : " and at least one Thunderball";

    int fixedMain = 0;
    for (int c = 1; c <= kMainNumbers; ++c)
        fixedMain += grid.state(c) == kFixed;
    const int thunderballs = grid.CountCells(CellKind::Thunderball);
    std::string marked = counted(grid.CountCells(CellKind::Main), "number") + ", " +
                         std::to_string(fixedMain) + " fixed and " +
                         counted(thunderballs, "Thunderball") + " are marked";
    // Only main numbers may be fixed: a fixed Thunderball counts for nothing.
    if (grid.CountCells(CellKind::Fixed) > fixedMain)
        marked += " (a Thunderball cannot be fixed)";
    return needs + ": " + marked;
}

std::string RandomLeavesFixedText(const SystemList& list) {
    const int index = CurrentSystemIndex(list);
    if (!IsSystemIndex(index))
        return {};
    const WheelSystem& system = WheelCatalogue(index);
    if (system.fixedCount <= 0)
        return {};
    return "Random numbers marks no fixed number: this system needs " +
           std::to_string(system.fixedCount) + " fixed, so fix " +
           std::to_string(system.fixedCount) + " of the " + std::to_string(system.numberCount) +
           " numbers marked with a right click";
}

} // namespace orvane
