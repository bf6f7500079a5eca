#pragma once
// Sets of a system's positions as bit masks (bit p stands for position p), and the walk over every
// set of one size.

#include "wheels/wheel_catalogue.h"

#include <cstdint>
#include <span>
#include <vector>

namespace orvane {

using PositionMask = std::uint64_t;

inline PositionMask MaskOfRow(const BoardPositions& row) {
    PositionMask mask = 0;
    for (const auto p : row)
        mask |= PositionMask{1} << p;
    return mask;
}

inline std::vector<PositionMask> MasksOfRows(std::span<const BoardPositions> rows) {
    std::vector<PositionMask> masks;
    masks.reserve(rows.size());
    for (const auto& row : rows)
        masks.push_back(MaskOfRow(row));
    return masks;
}

// Positions 1..count as a mask.
inline PositionMask FirstPositions(int count) {
    return ((PositionMask{1} << count) - 1) << 1;
}

// Calls visit(mask) for every set of `size` positions out of first..last.
template <typename Visit> void ForEachSet(int first, int last, int size, Visit visit) {
    const int span = last - first + 1;
    if (size < 0 || size > span)
        return;
    if (size == 0) {
        visit(PositionMask{0});
        return;
    }
    // Walks the sets as masks over bits 0..span-1 (Gosper's hack) and shifts them into place.
    PositionMask set = (PositionMask{1} << size) - 1;
    while (set < (PositionMask{1} << span)) {
        visit(set << first);
        const PositionMask lowest = set & (~set + 1);
        const PositionMask ripple = set + lowest;
        set = (((ripple ^ set) >> 2) / lowest) | ripple;
    }
}

} // namespace orvane
