#pragma once
// The fewest boards known to keep each promise "k if m" on v = 6..39 numbers without fixed
// numbers, and the fewest any wheel can have, with where each figure comes from: the table
// wheelmaker/wheel_records.csv, built into the program. Sizes only; no design is taken from them.

#include "wheelmaker/wheel_request.h"

#include <optional>
#include <span>
#include <string>

namespace orvane::wheelmaker {

struct WheelRecord {
    int numbers = 0;
    int k = 0;
    int m = 0;
    std::optional<int> bestKnown; // none where no wheel is known
    int lowerBound = 0;
    std::string source; // as the table gives it
};

std::span<const WheelRecord> WheelRecords();

std::optional<WheelRecord> FindWheelRecord(int numbers, int k, int m);

// What is known of a request's size: the record's best known size (requests without fixed
// numbers, or whose promise any single board keeps) and the larger of the record's lower bound
// and the counting bound.
struct KnownSizes {
    std::optional<int> bestKnown;
    int lowerBound = 1;
    std::string source;
};

KnownSizes KnownSizesFor(const WheelRequest& request);

} // namespace orvane::wheelmaker
