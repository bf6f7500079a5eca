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

// First phase: fresh starts, each annealed until no m-set is missed or its moves run out.
struct Covering {
    std::vector<PositionMask> rows; // the best table met, fewest missed sets
    std::int64_t missed = -1;
    int attempts = 0;
    std::int64_t iterations = 0;
};

Covering coverAll(const WheelParameters& w, const SearchSettings& settings, TableState& state,
                  RandomSource& random) {
    CoverageTracker promise(w.numberCount, w.guarantee, rangeMask(1, w.fixedCount));
    Covering best;
    const double cooling = std::pow(settings.endTemperature / settings.startTemperature,
                                    1.0 / static_cast<double>(settings.iterationsPerAttempt));
    for (int attempt = 0; attempt < settings.attempts && best.missed != 0; ++attempt) {
        ++best.attempts;
        // Where random starts fail, every other attempt begins from a cyclic table instead.
        if (settings.start == StartKind::Cyclic || attempt % 2 == 1)
            state.startCyclic();
        else
            state.startRandom();
        auto& rows = state.rows();
        promise.reset(rows);
        if (best.missed < 0 || promise.missedCount() < best.missed) {
            best.missed = promise.missedCount();
            best.rows = rows;
        }
        double temperature = settings.startTemperature;
        for (std::int64_t i = 0; i < settings.iterationsPerAttempt && promise.missedCount() > 0;
             ++i, temperature *= cooling) {
            ++best.iterations;
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
            if (promise.missedCount() < best.missed) {
                best.missed = promise.missedCount();
                best.rows = rows;
            }
        }
    }
    return best;
}

// Second phase: from a table that keeps the guarantee, meet more sets of the stronger promise
// `beyond`. A move may break the guarantee for a while, each missed set costing as much as
// `guaranteeWeight` sets of the stronger promise, so the search can leave a table that no single
// move improves; only tables that keep the guarantee are kept.
std::vector<PositionMask> goBeyond(const std::vector<PositionMask>& start, const WheelParameters& w,
                                   Guarantee beyond, const SearchSettings& settings,
                                   TableState& state, RandomSource& random,
                                   std::int64_t& iterations) {
    auto& rows = state.rows();
    rows = start;
    CoverageTracker promise(w.numberCount, w.guarantee, rangeMask(1, w.fixedCount));
    CoverageTracker more(w.numberCount, beyond, rangeMask(1, w.fixedCount));
    promise.reset(rows);
    more.reset(rows);
    std::vector<PositionMask> best = rows;
    std::int64_t bestUnmet = more.missedCount();
    const double cooling = std::pow(settings.polishEndTemperature / settings.polishStartTemperature,
                                    1.0 / static_cast<double>(settings.polishIterations));
    double temperature = settings.polishStartTemperature;
    for (std::int64_t i = 0; i < settings.polishIterations && bestUnmet > 0;
         ++i, temperature *= cooling) {
        ++iterations;
        const auto row = static_cast<std::size_t>(random.below(rows.size()));
        const CoverageTracker& aim =
            promise.missedCount() > 0 && random.below(2) == 0 ? promise : more;
        std::optional<Move> move;
        if (aim.missedCount() > 0 && random.below(2) == 0) {
            const PositionMask target = aim.missedSet(static_cast<std::size_t>(
                random.below(static_cast<std::uint64_t>(aim.missedCount()))));
            move = moveTowards(target, row, rows[row], state.freePositions(), random);
        } else {
            move = anyMove(rows, state.freePositions(), random);
        }
        if (!move)
            continue;
        const PositionMask before = rows[move->row];
        const int delta = settings.guaranteeWeight * promise.delta(before, move->out, move->in) +
                          more.delta(before, move->out, move->in);
        if (!accept(delta, temperature, random) || state.repeats(traded(before, *move), move->row))
            continue;
        promise.move(before, move->out, move->in);
        more.move(before, move->out, move->in);
        rows[move->row] = traded(before, *move);
        if (promise.missedCount() == 0 && more.missedCount() < bestUnmet) {
            bestUnmet = more.missedCount();
            best = rows;
        }
    }
    return best;
}

} // namespace

SearchResult SearchTable(const WheelParameters& w, const SearchSettings& settings) {
    RandomSource random(settings.seed);
    TableState state(w, random);
    SearchResult result;
    const auto beyond = BeyondGuarantee(w.guarantee);
    for (int candidate = 0; candidate < settings.candidates; ++candidate) {
        Covering found = coverAll(w, settings, state, random);
        result.attemptsUsed += found.attempts;
        result.iterations += found.iterations;
        if (found.missed > 0) {
            if (candidate == 0) {
                result.rows = sortedTable(found.rows);
                result.setsMissed = found.missed;
            }
            break;
        }
        if (beyond && settings.polishIterations > 0)
            found.rows =
                goBeyond(found.rows, w, *beyond, settings, state, random, result.iterations);
        const auto table = sortedTable(found.rows);
        const std::int64_t met =
            beyond ? CountSetsMet(table, w.numberCount, w.fixedCount, *beyond) : 0;
        if (candidate == 0 || met > result.beyondMet) {
            result.rows = table;
            result.beyondMet = met;
        }
    }
    return result;
}

} // namespace orvane::wheelgen
