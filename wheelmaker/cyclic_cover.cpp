#include "wheelmaker/cyclic_cover.h"

#include <algorithm>
#include <cmath>

namespace orvane::wheelmaker {

namespace {

class OrbitSearch final {
  public:
    OrbitSearch(const CoverProblem& p, int cycle, std::uint64_t seed, const SearchClock& clock)
        : m_problem(p), m_cycle(cycle), m_random(seed), m_clock(clock), m_state(p) {}

    // Anneals `orbits` base boards until every set is met or the clock ends.
    bool run(int orbits) {
        m_bases.clear();
        std::vector<NumberSet> boards;
        for (int j = 0; j < orbits; ++j) {
            NumberSet base = 0;
            while (std::popcount(base) < m_problem.boardSize)
                base |= NumberSet{1}
                        << m_random.below(static_cast<std::uint64_t>(m_problem.numbers));
            m_bases.push_back(base);
            for (int s = 0; s < m_cycle; ++s)
                boards.push_back(shifted(base, s));
        }
        m_state.reset(boards);
        const double start = startingTemperature();
        double temperature = start;
        // Cools over about a million moves, then starts warm again.
        const double cooling = std::pow(0.1, 1.0 / 1'000'000);
        while (m_state.uncoveredCount() > 0 && !m_clock.expired()) {
            tryMove(temperature);
            temperature *= cooling;
            if (temperature < start / 10)
                temperature = start;
        }
        return m_state.uncoveredCount() == 0;
    }

    std::vector<NumberSet> boards() const { return WithoutRepeats(m_state.boards()); }

  private:
    int shift(int number, int s) const {
        return number >= m_cycle ? number : (number + s) % m_cycle;
    }
    NumberSet shifted(NumberSet set, int s) const {
        NumberSet out = 0;
        for (; set != 0; set &= set - 1)
            out |= NumberSet{1} << shift(std::countr_zero(set), s);
        return out;
    }

    struct OrbitMove {
        std::size_t orbit;
        int out; // in the base board
        int in;
    };

    std::optional<OrbitMove> aimedMove() {
        const NumberSet target = m_state.uncoveredSet(static_cast<std::size_t>(
            m_random.below(static_cast<std::uint64_t>(m_state.uncoveredCount()))));
        const auto& boards = m_state.boards();
        std::size_t chosen = 0;
        int closest = -1;
        int ties = 0;
        for (std::size_t i = 0; i < boards.size(); ++i) {
            const int shared = std::popcount(boards[i] & target);
            if (shared > closest) {
                closest = shared;
                chosen = i;
                ties = 1;
            } else if (shared == closest &&
                       m_random.below(static_cast<std::uint64_t>(++ties)) == 0) {
                chosen = i;
            }
        }
        const NumberSet outs = boards[chosen] & ~target;
        const NumberSet ins = target & ~boards[chosen];
        if (outs == 0 || ins == 0)
            return std::nullopt;
        const std::size_t orbit = chosen / static_cast<std::size_t>(m_cycle);
        const int s = static_cast<int>(chosen % static_cast<std::size_t>(m_cycle));
        // Back to the base board: shift by -s.
        const int back = m_cycle - s;
        return OrbitMove{orbit, shift(m_random.bitOf(outs), back),
                         shift(m_random.bitOf(ins), back)};
    }

    void apply(const OrbitMove& move, bool undo) {
        const int out = undo ? move.in : move.out;
        const int in = undo ? move.out : move.in;
        for (int s = 0; s < m_cycle; ++s) {
            const std::size_t index =
                move.orbit * static_cast<std::size_t>(m_cycle) + static_cast<std::size_t>(s);
            m_state.swap(index, shift(out, s), shift(in, s));
        }
        m_bases[move.orbit] = (m_bases[move.orbit] & ~(NumberSet{1} << out)) | (NumberSet{1} << in);
    }

    // Makes an aimed move and keeps it by the usual rule.
    void tryMove(double temperature) {
        const auto move = aimedMove();
        if (!move)
            return;
        const std::int64_t before = m_state.uncoveredCount();
        apply(*move, false);
        const std::int64_t delta = m_state.uncoveredCount() - before;
        if (temperature > 0 && delta > 0 &&
            m_random.unit() >= std::exp(-static_cast<double>(delta) / temperature))
            apply(*move, true);
    }

    double startingTemperature() {
        double sum = 0;
        int uphill = 0;
        for (int i = 0; i < 100 && m_state.uncoveredCount() > 0; ++i) {
            const auto move = aimedMove();
            if (!move)
                continue;
            const std::int64_t before = m_state.uncoveredCount();
            apply(*move, false);
            const std::int64_t delta = m_state.uncoveredCount() - before;
            apply(*move, true);
            if (delta > 0) {
                sum += static_cast<double>(delta);
                ++uphill;
            }
        }
        return (uphill == 0 ? 1.0 : sum / uphill) / std::log(1 / 0.3);
    }

    const CoverProblem& m_problem;
    int m_cycle;
    RandomNumbers m_random;
    const SearchClock& m_clock;
    CoverageState m_state;
    std::vector<NumberSet> m_bases;
};

} // namespace

std::vector<NumberSet> CyclicCover(const CoverProblem& p, int below, int floor, std::uint64_t seed,
                                   const SearchClock& clock) {
    if (p.k != p.m || p.k < 2 || p.numbers <= p.boardSize + 2)
        return {};
    std::vector<NumberSet> best;
    // Both kinds of shift, the one that needs fewer boards below `below` first; each gets half of
    // the time left when it starts.
    for (const int cycle : {p.numbers, p.numbers - 1}) {
        const auto left = clock.deadline() - SearchClock::Clock::now();
        const SearchClock part = clock.part(SearchClock::Clock::now() + left / 2);
        int limit = best.empty() ? below : static_cast<int>(best.size());
        for (int orbits = (limit - 1) / cycle; orbits * cycle >= floor && !part.expired();
             --orbits) {
            // Half of what is left to each count of orbits: a count that cannot work leaves time
            // for the next kind of shift.
            const SearchClock attempt = part.part(
                SearchClock::Clock::now() + (part.deadline() - SearchClock::Clock::now()) / 2);
            OrbitSearch search(p, cycle, seed + static_cast<std::uint64_t>(cycle * 100 + orbits),
                               attempt);
            if (!search.run(orbits))
                break;
            auto boards = search.boards();
            if (static_cast<int>(boards.size()) < limit) {
                best = std::move(boards);
                limit = static_cast<int>(best.size());
            }
        }
    }
    return best;
}

} // namespace orvane::wheelmaker
