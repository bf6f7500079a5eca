#include "bench/support/largest_systems.h"

#include "wheels/selection_grid.h"
#include "wheels/wheel_catalogue.h"

#include <algorithm>

namespace orvane::bench {

std::vector<int> LargestSystems(int count) {
    std::vector<int> indices;
    for (int i = 1; i <= kSystemCount; ++i)
        if (HasCompleteTable(i))
            indices.push_back(i);
    std::stable_sort(indices.begin(), indices.end(), [](int a, int b) {
        return WheelCatalogue(a).boardCount > WheelCatalogue(b).boardCount;
    });
    indices.resize(std::min<std::size_t>(indices.size(), static_cast<std::size_t>(count)));
    return indices;
}

int SystemWithMostNumbers() {
    int most = 1;
    for (int i = 2; i <= kSystemCount; ++i)
        if (HasCompleteTable(i) && WheelCatalogue(i).numberCount > WheelCatalogue(most).numberCount)
            most = i;
    return most;
}

SystemSelection SelectionFor(int systemIndex) {
    const WheelSystem& system = WheelCatalogue(systemIndex);
    SystemSelection selection;
    // Every third number, wrapping round, so the boards' numbers differ in width and place.
    for (int i = 0; i < system.numberCount; ++i) {
        const int cell = (i * 3) % kMainNumbers + 1 + (i * 3) / kMainNumbers;
        (i < system.fixedCount ? selection.fixedCells : selection.selectedCells).push_back(cell);
    }
    selection.thunderballCell = ThunderballCell(5);
    return selection;
}

} // namespace orvane::bench
