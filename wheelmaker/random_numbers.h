#pragma once
// A small seeded generator (xoshiro256**): the same seed gives the same search on every machine.

#include <bit>
#include <cstdint>

namespace orvane::wheelmaker {

class RandomNumbers final {
  public:
    explicit RandomNumbers(std::uint64_t seed) {
        for (auto& word : m_state) {
            seed += 0x9E3779B97F4A7C15ULL;
            std::uint64_t z = seed;
            z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
            z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
            word = z ^ (z >> 31);
        }
    }

    std::uint64_t next() {
        const std::uint64_t result = std::rotl(m_state[1] * 5, 7) * 9;
        const std::uint64_t t = m_state[1] << 17;
        m_state[2] ^= m_state[0];
        m_state[3] ^= m_state[1];
        m_state[1] ^= m_state[2];
        m_state[0] ^= m_state[3];
        m_state[2] ^= t;
        m_state[3] = std::rotl(m_state[3], 45);
        return result;
    }

    // Uniform in 0..bound-1 (bound > 0).
    std::uint64_t below(std::uint64_t bound) {
        return static_cast<std::uint64_t>((static_cast<unsigned __int128>(next()) * bound) >> 64);
    }

    // Uniform in [0, 1).
    double unit() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }

    // One bit of `set` (not empty), uniformly.
    int bitOf(std::uint64_t set) {
        for (auto skip = below(static_cast<std::uint64_t>(std::popcount(set))); skip > 0; --skip)
            set &= set - 1;
        return std::countr_zero(set);
    }

  private:
    std::uint64_t m_state[4];
};

} // namespace orvane::wheelmaker
