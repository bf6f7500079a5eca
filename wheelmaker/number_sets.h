#pragma once
// Sets of numbers as bit masks, their rank among the sets of one size (colexicographic), and the
// walk over the subsets of a set.

#include <array>
#include <bit>
#include <cstdint>

namespace orvane::wheelmaker {

using NumberSet = std::uint64_t;

constexpr int kRankedNumbers = 64;
constexpr int kRankedSize = 6;

// binomial[n][i] = n choose i, for n < 64 and i <= 6.
constexpr std::array<std::array<std::uint32_t, kRankedSize + 1>, kRankedNumbers> kBinomial = [] {
    std::array<std::array<std::uint32_t, kRankedSize + 1>, kRankedNumbers> b{};
    for (int n = 0; n < kRankedNumbers; ++n) {
        b[n][0] = 1;
        for (int i = 1; i <= kRankedSize; ++i)
            b[n][i] = n == 0 ? 0 : b[n - 1][i - 1] + b[n - 1][i];
    }
    return b;
}();

constexpr std::uint32_t Binomial(int n, int i) {
    return n < 0 || i < 0 || i > kRankedSize ? 0 : kBinomial[n][i];
}

// The rank of `set` among the sets of its size: sum over its i-th smallest bit p of C(p, i).
inline std::uint32_t RankOf(NumberSet set) {
    std::uint32_t rank = 0;
    for (int i = 1; set != 0; set &= set - 1, ++i)
        rank += kBinomial[std::countr_zero(set)][i];
    return rank;
}

inline NumberSet LowBits(int count) {
    return count >= 64 ? ~NumberSet{0} : (NumberSet{1} << count) - 1;
}

// Calls visit(subset) for every subset of `size` bits of `pool`.
template <typename Visit> void ForEachSubset(NumberSet pool, int size, Visit&& visit) {
    const int count = std::popcount(pool);
    if (size < 0 || size > count)
        return;
    if (size == 0) {
        visit(NumberSet{0});
        return;
    }
    NumberSet items[64];
    for (int i = 0; pool != 0; pool &= pool - 1, ++i)
        items[i] = pool & (~pool + 1);
    int pick[64];
    for (int i = 0; i < size; ++i)
        pick[i] = i;
    while (true) {
        NumberSet subset = 0;
        for (int i = 0; i < size; ++i)
            subset |= items[pick[i]];
        visit(subset);
        int i = size - 1;
        while (i >= 0 && pick[i] == count - size + i)
            --i;
        if (i < 0)
            return;
        ++pick[i];
        for (int j = i + 1; j < size; ++j)
            pick[j] = pick[j - 1] + 1;
    }
}

} // namespace orvane::wheelmaker
