#pragma once
// A second proof of a wheel for the tests, deliberately plain and sharing no code with the
// engine's: every set of m numbers out of 1..v that holds 1..f, against every board in turn.

#include "wheels/wheel_catalogue.h"

#include <algorithm>
#include <cstdint>
#include <set>
#include <vector>

namespace orvane::test {

struct NaiveCount {
    std::int64_t cases = 0;
    std::int64_t met = 0;
};

inline NaiveCount NaiveProof(const std::vector<BoardPositions>& boards, int v, int f, int k,
                             int m) {
    NaiveCount count;
    std::vector<int> drawn(static_cast<std::size_t>(m));
    // The drawn numbers in ascending order, the first f of them the fixed numbers.
    const auto walk = [&](auto&& self, int index, int from) -> void {
        if (index == m) {
            ++count.cases;
            for (const auto& board : boards) {
                int held = 0;
                for (const int d : drawn)
                    held += std::count(board.begin(), board.end(), d) > 0;
                if (held >= k) {
                    ++count.met;
                    return;
                }
            }
            return;
        }
        if (index < f) {
            drawn[static_cast<std::size_t>(index)] = index + 1;
            self(self, index + 1, index + 2);
            return;
        }
        for (int n = from; n <= v; ++n) {
            drawn[static_cast<std::size_t>(index)] = n;
            self(self, index + 1, n + 1);
        }
    };
    walk(walk, 0, 1);
    return count;
}

// True when every board is five distinct numbers of 1..v holding 1..f and no board repeats.
inline bool WellFormed(const std::vector<BoardPositions>& boards, int v, int f) {
    std::set<std::set<int>> seen;
    for (const auto& board : boards) {
        const std::set<int> numbers(board.begin(), board.end());
        if (numbers.size() != 5 || *numbers.begin() < 1 || *numbers.rbegin() > v)
            return false;
        for (int fixed = 1; fixed <= f; ++fixed)
            if (!numbers.count(fixed))
                return false;
        if (!seen.insert(numbers).second)
            return false;
    }
    return !boards.empty();
}

} // namespace orvane::test
