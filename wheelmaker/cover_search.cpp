#include "wheelmaker/cover_search.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <optional>

namespace orvane::wheelmaker {

namespace {

NumberSet bit(int number) {
    return NumberSet{1} << number;
}

// `count` numbers of `pool` chosen uniformly.
NumberSet randomPart(NumberSet pool, int count, RandomNumbers& random) {
    NumberSet part = 0;
    for (int i = 0; i < count && pool != 0; ++i) {
        const NumberSet chosen = bit(random.bitOf(pool));
        part |= chosen;
        pool &= ~chosen;
    }
    return part;
}

// The sets one change of one number in one board can stop or start meeting.
std::int64_t changesPerMove(const CoverProblem& p) {
    return std::max<std::int64_t>(1, static_cast<std::int64_t>(Binomial(p.boardSize - 1, p.k - 1)) *
                                         Binomial(p.numbers - p.boardSize - 1, p.m - p.k));
}

// The annealing descent, one search.
class Descent final {
  public:
    Descent(const CoverProblem& problem, const CoverSearchSettings& settings,
            const SearchClock& clock, const CoverListener& listener)
        : m_problem(problem), m_settings(settings), m_clock(clock), m_listener(listener),
          m_random(settings.seed), m_state(problem),
          m_movesWeighed(
              static_cast<int>(std::clamp<std::int64_t>(400 / changesPerMove(problem), 1, 8))) {}

    CoverFound run() {
        m_best = WithoutRepeats(m_settings.start);
        m_state.reset(m_best);
        if (m_best.empty() || m_state.uncoveredCount() > 0) {
            m_best = GreedyCover(m_problem, m_random);
            m_state.reset(m_best);
        }
        m_listener(m_best, 0);
        const int floor = std::max(m_settings.lowerBound, 1);
        // With a cap below the start, the best boards within the cap are known from the outset,
        // however soon the clock ends.
        if (capUnmet()) {
            startFromBest(*m_settings.cap);
            notePartial();
        }
        // Boards to take away at the next try, more after a quick success, fewer after a failure.
        int jump = std::max(1, static_cast<int>(m_best.size()) / 16);
        const std::int64_t shortRun = std::max<std::int64_t>(100'000, 4 * m_state.setCount());
        std::int64_t steps = shortRun;
        bool fresh = false;
        bool stuck = false;
        while (!m_clock.expired() && static_cast<int>(m_best.size()) > floor) {
            int size = std::max(floor, static_cast<int>(m_best.size()) - jump);
            if (m_settings.cap && static_cast<int>(m_best.size()) > *m_settings.cap)
                size = *m_settings.cap;
            if (fresh)
                startAfresh(size);
            else
                startFromBest(size);
            // Once short runs no longer take a board away, each run gets a good part of the time
            // left: one slow cooling goes further than many quick ones.
            if (stuck)
                steps = std::max(shortRun, stepsInTimeLeft() / kLongRunsInTimeLeft);
            const std::int64_t used = anneal(steps);
            if (m_state.uncoveredCount() == 0) {
                noteCovering();
                if (used < steps / 4 && !stuck)
                    jump *= 2;
                fresh = false;
            } else if (jump > 1) {
                jump = std::max(1, jump / 2);
            } else {
                // The same size again, from the last covering that held and from random boards
                // in turn.
                stuck = true;
                fresh = !fresh;
            }
        }
        if (capUnmet())
            return {m_partial, m_partialUnmet};
        return {m_best, 0};
    }

  private:
    // While a cap is set and no covering within it is known, the search works at the cap and
    // keeps the boards that leave fewest sets unmet.
    bool capUnmet() const {
        return m_settings.cap && static_cast<int>(m_best.size()) > *m_settings.cap;
    }

    // The moves that fit in the time left, at the pace kept so far.
    std::int64_t stepsInTimeLeft() const {
        const double elapsed = m_clock.elapsedSeconds();
        const double left =
            std::chrono::duration<double>(m_clock.deadline() - SearchClock::Clock::now()).count();
        if (elapsed <= 0 || m_steps == 0 || left <= 0)
            return 0;
        return static_cast<std::int64_t>(static_cast<double>(m_steps) / elapsed * left);
    }

    // The last covering that held, less the boards whose loss leaves fewest sets unmet (weighed
    // once, on the covering, so that taking many away costs no more than taking one).
    void startFromBest(int size) {
        m_state.reset(m_best);
        const auto count = m_best.size();
        if (static_cast<int>(count) <= size)
            return;
        std::vector<std::pair<std::int64_t, std::size_t>> losses;
        for (std::size_t i = 0; i < count; ++i)
            losses.emplace_back(m_state.lossOfRemoving(i) * 1024 +
                                    static_cast<std::int64_t>(m_random.below(1024)),
                                i);
        std::sort(losses.begin(), losses.end());
        std::vector<std::size_t> away;
        for (std::size_t i = 0; i < count - static_cast<std::size_t>(size); ++i)
            away.push_back(losses[i].second);
        // Taken away from the highest place down: the last board moves into the place freed,
        // and is never one still to go.
        std::sort(away.rbegin(), away.rend());
        for (const auto index : away)
            m_state.removeBoard(index);
    }

    void startAfresh(int size) {
        std::vector<NumberSet> boards;
        const NumberSet all = LowBits(m_problem.numbers);
        for (int i = 0; i < size; ++i)
            boards.push_back(randomPart(all, m_problem.boardSize, m_random));
        m_state.reset(boards);
    }

    // Anneals the boards at their count from a temperature that takes about a third of the moves
    // that make things worse, measured on these boards, down to a tenth of it, for at most
    // `steps` moves; ends early when every set is met. Gives the moves made.
    std::int64_t anneal(std::int64_t steps) {
        const double start = startingTemperature();
        const double end = start / kCooledBy;
        const double cooling = std::pow(end / start, 1.0 / static_cast<double>(steps));
        double temperature = start;
        std::int64_t i = 0;
        for (; i < steps && m_state.uncoveredCount() > 0 && !m_clock.expired();
             ++i, temperature *= cooling) {
            if (const auto move = aimedMove()) {
                if (move->delta <= 0 || m_random.unit() < std::exp(-move->delta / temperature))
                    m_state.swap(move->board, move->out, move->in);
            }
            if (capUnmet() && m_state.uncoveredCount() < m_partialUnmet)
                notePartial();
        }
        m_steps += i;
        if (capUnmet() && (m_partialUnmet < 0 || m_state.uncoveredCount() < m_partialUnmet))
            notePartial();
        return i;
    }

    double startingTemperature() {
        double sum = 0;
        int uphill = 0;
        for (int i = 0; i < 200 && m_state.uncoveredCount() > 0; ++i)
            if (const auto move = aimedMove()) {
                if (move->delta > 0) {
                    sum += move->delta;
                    ++uphill;
                }
            }
        const double mean = uphill == 0 ? 1.0 : sum / uphill;
        return mean / std::log(1 / kStartingUphillShare);
    }

    struct Move {
        std::size_t board;
        int out;
        int in;
        int delta;
    };

    // A change that meets an unmet set: one number of a board that meets the set in k - 1 (or,
    // failing that, of one of the boards closest to it) traded for a number of the set; the best
    // of a few such changes where weighing one costs little.
    std::optional<Move> aimedMove() {
        const NumberSet target = m_state.uncoveredSet(static_cast<std::size_t>(
            m_random.below(static_cast<std::uint64_t>(m_state.uncoveredCount()))));
        const auto& boards = m_state.boards();
        m_closest.clear();
        int closest = -1;
        for (std::size_t i = 0; i < boards.size(); ++i) {
            const int shared = std::popcount(boards[i] & target);
            if (shared > closest) {
                closest = shared;
                m_closest.clear();
            }
            if (shared == closest)
                m_closest.push_back(i);
        }
        std::optional<Move> best;
        int ties = 0;
        for (int t = 0; t < m_movesWeighed; ++t) {
            const std::size_t i = m_closest[m_random.below(m_closest.size())];
            const NumberSet outs = boards[i] & ~target;
            const NumberSet ins = target & ~boards[i];
            if (outs == 0 || ins == 0)
                continue;
            Move move{i, m_random.bitOf(outs), m_random.bitOf(ins), 0};
            move.delta = m_state.swapDelta(move.board, move.out, move.in);
            if (!best || move.delta < best->delta) {
                best = move;
                ties = 1;
            } else if (move.delta == best->delta &&
                       m_random.below(static_cast<std::uint64_t>(++ties)) == 0) {
                best = move;
            }
        }
        return best;
    }

    void noteCovering() {
        auto boards = WithoutRepeats(m_state.boards());
        if (boards.size() < m_best.size()) {
            m_best = std::move(boards);
            m_listener(m_best, 0);
        }
    }

    void notePartial() {
        m_partial = m_state.boards();
        m_partialUnmet = m_state.uncoveredCount();
        m_listener(m_partial, m_partialUnmet);
    }

    static constexpr double kStartingUphillShare = 0.3;
    static constexpr int kLongRunsInTimeLeft = 3;
    std::int64_t m_steps = 0;
    static constexpr double kCooledBy = 10;

    const CoverProblem& m_problem;
    const CoverSearchSettings& m_settings;
    const SearchClock& m_clock;
    const CoverListener& m_listener;
    RandomNumbers m_random;
    CoverageState m_state;
    std::vector<NumberSet> m_best;
    std::vector<NumberSet> m_partial;
    std::int64_t m_partialUnmet = -1;
    int m_movesWeighed;
    std::vector<std::size_t> m_closest;
};

} // namespace

std::vector<NumberSet> WithoutRepeats(std::vector<NumberSet> boards) {
    std::sort(boards.begin(), boards.end());
    boards.erase(std::unique(boards.begin(), boards.end()), boards.end());
    return boards;
}

std::vector<NumberSet> GreedyCover(const CoverProblem& p, RandomNumbers& random) {
    const NumberSet all = LowBits(p.numbers);
    if (p.k <= 0 || p.numbers <= p.boardSize)
        return {LowBits(std::min(p.boardSize, p.numbers))};
    CoverageState state(p);
    state.reset({});
    const std::int64_t perBoard = std::max<std::int64_t>(SetsOneBoardMeets(p), 1);
    const int tries = static_cast<int>(std::clamp<std::int64_t>(100'000 / perBoard, 2, 40));
    while (state.uncoveredCount() > 0) {
        NumberSet best = 0;
        std::int64_t bestGain = -1;
        for (int t = 0; t < tries; ++t) {
            const NumberSet target = state.uncoveredSet(static_cast<std::size_t>(
                random.below(static_cast<std::uint64_t>(state.uncoveredCount()))));
            NumberSet board = randomPart(target, p.k, random);
            board |= randomPart(all & ~board, p.boardSize - p.k, random);
            const std::int64_t gain = state.gainOfAdding(board);
            if (gain > bestGain) {
                bestGain = gain;
                best = board;
            }
        }
        state.addBoard(best);
    }
    return WithoutRepeats(state.boards());
}

int CountingBound(const CoverProblem& p) {
    if (p.k <= 0 || p.numbers <= p.boardSize)
        return 1;
    if (p.k == p.m) {
        // Schoenheim: L(n, t, k) = ceil(n / t * L(n - 1, t - 1, k - 1)), L(n, t, 0) = 1.
        std::int64_t bound = 1;
        for (int i = p.k - 1; i >= 0; --i) {
            const std::int64_t n = p.numbers - i;
            const std::int64_t t = p.boardSize - i;
            bound = (n * bound + t - 1) / t;
        }
        return static_cast<int>(bound);
    }
    const std::int64_t sets = Binomial(p.numbers, p.m);
    const std::int64_t perBoard = SetsOneBoardMeets(p);
    return static_cast<int>((sets + perBoard - 1) / perBoard);
}

CoverFound SearchCover(const CoverProblem& problem, const CoverSearchSettings& settings,
                       const SearchClock& clock, const CoverListener& listener) {
    if (problem.k <= 0 || problem.numbers <= problem.boardSize) {
        std::vector<NumberSet> one{LowBits(std::min(problem.boardSize, problem.numbers))};
        listener(one, 0);
        return {one, 0};
    }
    Descent descent(problem, settings, clock, listener);
    return descent.run();
}

} // namespace orvane::wheelmaker
