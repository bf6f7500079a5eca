#include "wheelmaker/wheel_proof.h"

#include "wheelmaker/number_sets.h"

#include <algorithm>
#include <vector>

namespace orvane::wheelmaker {

namespace {

std::string shapeFaultOf(std::span<const BoardPositions> boards, const WheelRequest& r,
                         std::vector<NumberSet>& freeParts) {
    if (boards.empty())
        return "no board";
    const NumberSet fixed = LowBits(r.fixed);
    std::vector<NumberSet> whole;
    for (std::size_t i = 0; i < boards.size(); ++i) {
        NumberSet board = 0;
        for (const int p : boards[i]) {
            if (p < 1 || p > r.numbers)
                return "board " + std::to_string(i + 1) + " holds " + std::to_string(p) +
                       ", outside 1.." + std::to_string(r.numbers);
            board |= NumberSet{1} << (p - 1);
        }
        if (std::popcount(board) != kNumbersPerBoard)
            return "board " + std::to_string(i + 1) + " repeats a number";
        if ((board & fixed) != fixed)
            return "board " + std::to_string(i + 1) + " lacks a fixed number";
        whole.push_back(board);
        freeParts.push_back(board >> r.fixed);
    }
    std::sort(whole.begin(), whole.end());
    if (std::adjacent_find(whole.begin(), whole.end()) != whole.end())
        return "a board is repeated";
    return {};
}

std::int64_t markedByBoards(const std::vector<NumberSet>& boards, const CoverProblem& p) {
    std::vector<std::uint8_t> met(Binomial(p.numbers, p.m), 0);
    const NumberSet all = LowBits(p.numbers);
    for (const NumberSet board : boards) {
        const int most = std::min(p.m, std::popcount(board));
        for (int inBoard = p.k; inBoard <= most; ++inBoard)
            ForEachSubset(board, inBoard, [&](NumberSet a) {
                ForEachSubset(all & ~board, p.m - inBoard,
                              [&](NumberSet b) { met[RankOf(a | b)] = 1; });
            });
    }
    return std::count(met.begin(), met.end(), std::uint8_t{1});
}

// A case is met when some board holds k of its numbers, that is when k - 1 of them lie on a board
// together with one more of them: each (k-1)-set gets the numbers that complete it on some board.
std::int64_t askedByCases(const std::vector<NumberSet>& boards, const CoverProblem& p) {
    // Up to pairs, the completing numbers are looked up by the numbers themselves, not by rank:
    // the proofs that go this way ("2 if m", "3 if m") then cost a few table reads a case.
    if (p.k - 1 <= 2) {
        std::vector<NumberSet> completing(64 * 64, 0);
        const auto slot = [](int a, int b) { return static_cast<std::size_t>(a * 64 + b); };
        for (const NumberSet board : boards)
            ForEachSubset(board, p.k - 1, [&](NumberSet part) {
                const int a = part == 0 ? 0 : std::countr_zero(part) + 1;
                const int b = std::popcount(part) < 2 ? 0 : 64 - std::countl_zero(part);
                completing[slot(a, b)] |= board & ~part;
            });
        std::int64_t met = 0;
        int drawn[kRankedSize];
        // Every m-set as a mask, in increasing order (Gosper).
        for (NumberSet set = LowBits(p.m); set <= LowBits(p.numbers);) {
            int count = 0;
            for (NumberSet rest = set; rest != 0; rest &= rest - 1)
                drawn[count++] = std::countr_zero(rest) + 1;
            bool found = false;
            if (p.k == 1)
                found = (completing[slot(0, 0)] & set) != 0;
            for (int i = 0; i < count && !found && p.k == 2; ++i)
                found = (completing[slot(drawn[i], 0)] & set) != 0;
            for (int i = 0; i < count && !found && p.k == 3; ++i)
                for (int j = i + 1; j < count && !found; ++j)
                    found = (completing[slot(drawn[i], drawn[j])] & set) != 0;
            met += found;
            const NumberSet lowest = set & (~set + 1);
            const NumberSet ripple = set + lowest;
            set = (((ripple ^ set) >> 2) / lowest) | ripple;
        }
        return met;
    }
    std::vector<NumberSet> completing(Binomial(p.numbers, p.k - 1), 0);
    for (const NumberSet board : boards)
        ForEachSubset(board, p.k - 1,
                      [&](NumberSet part) { completing[RankOf(part)] |= board & ~part; });
    std::int64_t met = 0;
    ForEachSubset(LowBits(p.numbers), p.m, [&](NumberSet drawn) {
        bool found = false;
        ForEachSubset(drawn, p.k - 1, [&](NumberSet part) {
            found = found || (completing[RankOf(part)] & drawn & ~part) != 0;
        });
        met += found;
    });
    return met;
}

} // namespace

WheelProof ProveWheel(std::span<const BoardPositions> boards, const WheelRequest& request) {
    WheelProof proof;
    const CoverProblem p = ProblemOf(request);
    proof.cases = Binomial(p.numbers, p.m);
    std::vector<NumberSet> freeParts;
    proof.shapeFault = shapeFaultOf(boards, request, freeParts);
    if (!proof.shapeFault.empty())
        return proof;
    if (p.k <= 0) {
        // Every case already holds k fixed numbers, which every board holds.
        proof.casesMet = proof.cases;
        return proof;
    }
    // Two ways to the same count, the cheaper taken: each board marks the cases it meets (the cost
    // grows with the boards), or each case asks its own (k-1)-sets among those the boards hold (the
    // cost grows with the cases).
    const auto perBoard =
        static_cast<double>(freeParts.size()) * static_cast<double>(SetsOneBoardMeets(p));
    const auto perCase = static_cast<double>(proof.cases) * Binomial(p.m, p.k - 1);
    proof.casesMet = perBoard < perCase ? markedByBoards(freeParts, p) : askedByCases(freeParts, p);
    return proof;
}

} // namespace orvane::wheelmaker
