#pragma once
// Combination tables of the reduced systems 14..71, built and proven by tools/wheelgen.

#include "wheels/wheel_catalogue.h"

#include <span>

namespace orvane {

// The rows of system `index` (14..71); empty for any other index.
std::span<const BoardPositions> GeneratedTable(int index);

} // namespace orvane
