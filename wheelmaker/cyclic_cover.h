#pragma once
// Coverings made of whole orbits: a few base boards and every shift of them, i -> i + s modulo N,
// over the numbers 0..N-1, with N the count of numbers or one less (the last number then stays
// where it is). A change to a base board changes every board of its orbit at once, so the search
// walks a far smaller space, where the best coverings of many "k if k" promises lie (68 boards for
// "3 if 3" on 17 numbers are four orbits). The orbits are annealed as the boards are elsewhere.

#include "wheelmaker/cover_search.h"

#include <vector>

namespace orvane::wheelmaker {

// A covering of whole orbits with fewer than `below` boards and no fewer than `floor`, or nothing
// when none is found before the clock ends. Only for promises "k if k".
std::vector<NumberSet> CyclicCover(const CoverProblem& problem, int below, int floor,
                                   std::uint64_t seed, const SearchClock& clock);

} // namespace orvane::wheelmaker
