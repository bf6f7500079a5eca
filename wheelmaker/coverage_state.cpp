#include "wheelmaker/coverage_state.h"

#include <algorithm>

namespace orvane::wheelmaker {

namespace {

NumberSet bit(int number) {
    return NumberSet{1} << number;
}

} // namespace

CoverageState::CoverageState(const CoverProblem& problem)
    : m_problem(problem), m_all(LowBits(problem.numbers)),
      m_counts(Binomial(problem.numbers, problem.m), 0),
      m_weights(Binomial(problem.numbers, problem.m), 1),
      m_slot(Binomial(problem.numbers, problem.m), -1) {}

template <typename Visit> void CoverageState::forEachSetMet(NumberSet board, Visit&& visit) const {
    const int most = std::min(m_problem.m, std::popcount(board));
    for (int inBoard = std::max(m_problem.k, 0); inBoard <= most; ++inBoard)
        ForEachSubset(board, inBoard, [&](NumberSet a) {
            ForEachSubset(m_all & ~board, m_problem.m - inBoard,
                          [&](NumberSet b) { visit(a | b); });
        });
}

template <typename Visit>
void CoverageState::forEachChange(NumberSet board, int out, int in, Visit&& visit) const {
    const NumberSet rest = board & ~bit(out);
    const NumberSet outside = m_all & ~board & ~bit(in);
    ForEachSubset(rest, m_problem.k - 1, [&](NumberSet a) {
        ForEachSubset(outside, m_problem.m - m_problem.k,
                      [&](NumberSet b) { visit(RankOf(bit(out) | a | b), bit(in) | a | b); });
    });
}

void CoverageState::reset(const std::vector<NumberSet>& boards) {
    std::fill(m_counts.begin(), m_counts.end(), 0);
    std::fill(m_weights.begin(), m_weights.end(), 1);
    std::fill(m_slot.begin(), m_slot.end(), -1);
    m_uncovered.clear();
    m_boards.clear();
    for (const auto board : boards) {
        m_boards.push_back(board);
        forEachSetMet(board, [&](NumberSet set) { ++m_counts[RankOf(set)]; });
    }
    ForEachSubset(m_all, m_problem.m, [&](NumberSet set) {
        const auto rank = RankOf(set);
        if (m_counts[rank] == 0)
            markUncovered(rank, set);
    });
}

void CoverageState::addBoard(NumberSet board) {
    m_boards.push_back(board);
    forEachSetMet(board, [&](NumberSet set) {
        const auto rank = RankOf(set);
        if (m_counts[rank]++ == 0)
            unmarkUncovered(rank);
    });
}

void CoverageState::removeBoard(std::size_t index) {
    forEachSetMet(m_boards[index], [&](NumberSet set) {
        const auto rank = RankOf(set);
        if (--m_counts[rank] == 0)
            markUncovered(rank, set);
    });
    m_boards[index] = m_boards.back();
    m_boards.pop_back();
}

std::int64_t CoverageState::lossOfRemoving(std::size_t index) const {
    std::int64_t loss = 0;
    forEachSetMet(m_boards[index], [&](NumberSet set) { loss += m_counts[RankOf(set)] == 1; });
    return loss;
}

std::int64_t CoverageState::gainOfAdding(NumberSet board) const {
    std::int64_t gain = 0;
    forEachSetMet(board, [&](NumberSet set) { gain += m_counts[RankOf(set)] == 0; });
    return gain;
}

int CoverageState::swapDelta(std::size_t index, int out, int in) const {
    int change = 0;
    forEachChange(m_boards[index], out, in, [&](std::uint32_t lost, NumberSet gained) {
        change += (m_counts[lost] == 1) - (m_counts[RankOf(gained)] == 0);
    });
    return change;
}

std::int64_t CoverageState::weightedSwapDelta(std::size_t index, int out, int in) const {
    std::int64_t change = 0;
    forEachChange(m_boards[index], out, in, [&](std::uint32_t lost, NumberSet gained) {
        if (m_counts[lost] == 1)
            change += m_weights[lost];
        const auto gainedRank = RankOf(gained);
        if (m_counts[gainedRank] == 0)
            change -= m_weights[gainedRank];
    });
    return change;
}

void CoverageState::weighUnmetMore() {
    for (const NumberSet set : m_uncovered)
        ++m_weights[RankOf(set)];
}

void CoverageState::swap(std::size_t index, int out, int in) {
    const NumberSet board = m_boards[index];
    forEachChange(board, out, in, [&](std::uint32_t lost, NumberSet gained) {
        const auto gainedRank = RankOf(gained);
        if (m_counts[gainedRank]++ == 0)
            unmarkUncovered(gainedRank);
        if (--m_counts[lost] == 0)
            markUncovered(lost, gained ^ bit(in) ^ bit(out));
    });
    m_boards[index] = (board & ~bit(out)) | bit(in);
}

void CoverageState::markUncovered(std::uint32_t rank, NumberSet set) {
    m_slot[rank] = static_cast<std::int32_t>(m_uncovered.size());
    m_uncovered.push_back(set);
}

void CoverageState::unmarkUncovered(std::uint32_t rank) {
    const auto slot = static_cast<std::size_t>(m_slot[rank]);
    const NumberSet last = m_uncovered.back();
    m_uncovered[slot] = last;
    m_slot[RankOf(last)] = static_cast<std::int32_t>(slot);
    m_uncovered.pop_back();
    m_slot[rank] = -1;
}

} // namespace orvane::wheelmaker
