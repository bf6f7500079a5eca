#include "tools/wheelgen/covering_search.h"

#include "tools/wheelgen/coverage_tracker.h"
#include "tools/wheelgen/random_source.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <optional>

namespace orvane::wheelgen {

namespace {

PositionMask bit(int position) {
    return PositionMask{1} << position;
}

PositionMask rangeMask(int first, int last) {
    PositionMask mask = 0;
    for (int p = first; p <= last; ++p)
        mask |= bit(p);
    return mask;
}

// A uniformly chosen position among the bits of `mask` (not empty).
int randomPositionOf(PositionMask mask, RandomSource& random) {
    auto skip = random.below(static_cast<std::uint64_t>(std::popcount(mask)));
    for (; skip > 0; --skip)
        mask &= mask - 1;
    return std::countr_zero(mask);
}

class TableState final {
  public:
    TableState(const WheelParameters& w, RandomSource& random)
        : m_parameters(w), m_random(random), m_fixed(rangeMask(1, w.fixedCount)),
          m_free(rangeMask(w.fixedCount + 1, w.numberCount)) {}

    std::vector<PositionMask>& rows() { return m_rows; }
    PositionMask freePositions() const { return m_free; }

    void startRandom() {
        m_rows.clear();
        while (static_cast<int>(m_rows.size()) < m_parameters.boardCount)
            addDistinct(randomRow());
    }

    // Shifts of random base rows around the free positions, taken as a cycle; a shift that
    // repeats an earlier row is replaced by a random row.
    void startCyclic() {
        m_rows.clear();
        const int f = m_parameters.fixedCount;
        const int cycle = m_parameters.numberCount - f;
        while (static_cast<int>(m_rows.size()) < m_parameters.boardCount) {
            const PositionMask base = randomRow();
            for (int shift = 0;
                 shift < cycle && static_cast<int>(m_rows.size()) < m_parameters.boardCount;
                 ++shift) {
                PositionMask row = m_fixed;
                for (PositionMask rest = base & m_free; rest != 0; rest &= rest - 1) {
                    const int offset = std::countr_zero(rest) - f - 1;
                    row |= bit(f + 1 + (offset + shift) % cycle);
                }
                if (!addDistinct(row))
                    addDistinct(randomRow());
            }
        }
    }

    // True when some other row than `index` equals `row`.
    bool repeats(PositionMask row, std::size_t index) const {
        for (std::size_t i = 0; i < m_rows.size(); ++i)
            if (i != index && m_rows[i] == row)
                return true;
        return false;
    }

  private:
    PositionMask randomRow() {
        PositionMask row = m_fixed;
        while (std::popcount(row) < kBoardSize)
            row |= bit(m_parameters.fixedCount + 1 +
                       static_cast<int>(m_random.below(static_cast<std::uint64_t>(
                           m_parameters.numberCount - m_parameters.fixedCount))));
        return row;
    }

    bool addDistinct(PositionMask row) {
        if (std::find(m_rows.begin(), m_rows.end(), row) != m_rows.end())
            return false;
        m_rows.push_back(row);
        return true;
    }

    const WheelParameters& m_parameters;
    RandomSource& m_random;
    PositionMask m_fixed;
    PositionMask m_free;
    std::vector<PositionMask> m_rows;
};

// One proposed trade in one row.
struct Move {
    std::size_t row;
    int out;
    int in;
};

// A trade that brings `row` one position closer to the set `target` (one of its positions for
// one of the row's free positions outside it); none when the row cannot move towards it.
std::optional<Move> moveTowards(PositionMask target, std::size_t row, PositionMask rowMask,
                                PositionMask freePositions, RandomSource& random) {
    const PositionMask in = target & ~rowMask & freePositions;
    const PositionMask out = rowMask & ~target & freePositions;
    if (in == 0 || out == 0)
        return std::nullopt;
    return Move{row, randomPositionOf(out, random), randomPositionOf(in, random)};
}

Move anyMove(const std::vector<PositionMask>& rows, PositionMask freePositions,
             RandomSource& random) {
    const auto row = static_cast<std::size_t>(random.below(rows.size()));
    return {row, randomPositionOf(rows[row] & freePositions, random),
            randomPositionOf(freePositions & ~rows[row], random)};
}

bool accept(int delta, double temperature, RandomSource& random) {
    return delta <= 0 || random.unit() < std::exp(-delta / temperature);
}

PositionMask traded(PositionMask row, const Move& move) {
    return (row & ~bit(move.out)) | bit(move.in);
}

std::vector<BoardPositions> sortedTable(const std::vector<PositionMask>& rows) {
    std::vector<BoardPositions> table;
    for (auto row : rows) {
        BoardPositions positions{};
        for (std::size_t i = 0; row != 0; row &= row - 1, ++i)
            positions[i] = static_cast<std::uint8_t>(std::countr_zero(row));
        table.push_back(positions);
    }
    std::sort(table.begin(), table.end());
    return table;
}

} // namespace

SearchResult SearchTable(const WheelParameters& w, const SearchSettings& settings) {
    RandomSource random(settings.seed);
    TableState state(w, random);
    CoverageTracker promise(w.numberCount, w.guarantee, rangeMask(1, w.fixedCount));
    SearchResult result;
    std::vector<PositionMask> best;
    std::int64_t bestMissed = -1;
    const double cooling = std::pow(settings.endTemperature / settings.startTemperature,
                                    1.0 / static_cast<double>(settings.iterationsPerAttempt));

    for (int attempt = 0; attempt < settings.attempts && bestMissed != 0; ++attempt) {
        ++result.attemptsUsed;
        if (settings.start == StartKind::Cyclic)
            state.startCyclic();
        else
            state.startRandom();
        auto& rows = state.rows();
        promise.reset(rows);
        if (bestMissed < 0 || promise.missedCount() < bestMissed) {
            bestMissed = promise.missedCount();
            best = rows;
        }
        double temperature = settings.startTemperature;
        for (std::int64_t i = 0; i < settings.iterationsPerAttempt && promise.missedCount() > 0;
             ++i, temperature *= cooling) {
            ++result.iterations;
            const PositionMask target = promise.missedSet(static_cast<std::size_t>(
                random.below(static_cast<std::uint64_t>(promise.missedCount()))));
            const auto row = static_cast<std::size_t>(random.below(rows.size()));
            const auto move = moveTowards(target, row, rows[row], state.freePositions(), random);
            if (!move)
                continue;
            const int delta = promise.delta(rows[row], move->out, move->in);
            if (!accept(delta, temperature, random) || state.repeats(traded(rows[row], *move), row))
                continue;
            promise.move(rows[row], move->out, move->in);
            rows[row] = traded(rows[row], *move);
            if (promise.missedCount() < bestMissed) {
                bestMissed = promise.missedCount();
                best = rows;
            }
        }
    }

    const auto beyond = BeyondGuarantee(w.guarantee);
    if (bestMissed == 0 && beyond && settings.polishIterations > 0) {
        // Second phase: keep the guarantee, meet more sets of the stronger promise.
        auto& rows = state.rows();
        rows = best;
        promise.reset(rows);
        CoverageTracker more(w.numberCount, *beyond, rangeMask(1, w.fixedCount));
        more.reset(rows);
        std::int64_t bestUnmet = more.missedCount();
        const double polishCooling = std::pow(settings.endTemperature / settings.startTemperature,
                                              1.0 / static_cast<double>(settings.polishIterations));
        double temperature = settings.startTemperature;
        for (std::int64_t i = 0; i < settings.polishIterations && more.missedCount() > 0;
             ++i, temperature *= polishCooling) {
            ++result.iterations;
            std::optional<Move> move;
            if (random.below(2) == 0) {
                const PositionMask target = more.missedSet(static_cast<std::size_t>(
                    random.below(static_cast<std::uint64_t>(more.missedCount()))));
                const auto row = static_cast<std::size_t>(random.below(rows.size()));
                move = moveTowards(target, row, rows[row], state.freePositions(), random);
            } else {
                move = anyMove(rows, state.freePositions(), random);
            }
            if (!move)
                continue;
            const PositionMask row = rows[move->row];
            if (promise.delta(row, move->out, move->in) > 0)
                continue;
            if (!accept(more.delta(row, move->out, move->in), temperature, random) ||
                state.repeats(traded(row, *move), move->row))
                continue;
            promise.move(row, move->out, move->in);
            more.move(row, move->out, move->in);
            rows[move->row] = traded(row, *move);
            if (more.missedCount() < bestUnmet) {
                bestUnmet = more.missedCount();
                best = rows;
            }
        }
    }

    result.rows = sortedTable(best);
    result.setsMissed = bestMissed;
    if (beyond)
        result.beyondMet = CountSetsMet(result.rows, w.numberCount, w.fixedCount, *beyond);
    return result;
}

} // namespace orvane::wheelgen
