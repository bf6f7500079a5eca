#include "wheels/random_selection.h"

#include <chrono>
#include <vector>

namespace orvane {

void RandomSelection(SelectionGrid& grid, int n, int gridStyle, std::mt19937& generator) {
    grid.ClearCells(CellRange::Main);
    std::vector<int> pool;
    const int size = gridStyle == 2 ? 36 : kMainNumbers;
    for (int v = 1; v <= size; ++v)
        pool.push_back(v);
    for (int i = 0; i < n && !pool.empty(); ++i) {
        std::uniform_int_distribution<std::size_t> pick(0, pool.size() - 1);
        const std::size_t r = pick(generator);
        grid.setState(pool[r], kSelected);
        pool.erase(pool.begin() + static_cast<std::ptrdiff_t>(r));
    }
}

std::mt19937 FreshlySeededGenerator() {
    std::random_device device;
    const auto ticks = static_cast<std::uint32_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
    std::seed_seq seed{device(), device(), ticks};
    return std::mt19937(seed);
}

} // namespace orvane
