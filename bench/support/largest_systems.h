#pragma once
// The systems with the most boards, and a selection each of them accepts.

#include <vector>

namespace orvane::bench {

// The catalogue indices of the `count` systems with the most boards, most boards first.
std::vector<int> LargestSystems(int count);

// The catalogue index of the system with the most numbers to mark (the first of them, if several).
int SystemWithMostNumbers();

// Marks a system accepts: spread over the main numbers, its fixed numbers first, and one
// Thunderball number.
struct SystemSelection {
    std::vector<int> fixedCells;
    std::vector<int> selectedCells;
    int thunderballCell = 0;
};
SystemSelection SelectionFor(int systemIndex);

} // namespace orvane::bench
