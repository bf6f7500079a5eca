#pragma once
// A covering built from smaller ones: when m numbers spread over g groups always put k of them
// into one group (g (k - 1) < m), a "k if k" covering of every group keeps "k if m" on them all.
// The groups' sizes are chosen so that the sizes known for their coverings add up to the fewest
// boards, and each group's covering comes from the search itself (whole orbits first, then the
// descent). The search then descends from the union.

#include "wheelmaker/cover_search.h"
#include "wheelmaker/wheel_records.h"

#include <vector>

namespace orvane::wheelmaker {

// The union of the groups' coverings, or nothing when the promise does not split; uses at most
// half the time left on `clock`.
std::vector<NumberSet> SplitCover(const CoverProblem& problem, std::uint64_t seed,
                                  const SearchClock& clock);

} // namespace orvane::wheelmaker
