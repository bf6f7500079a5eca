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
    std::vector<std::uint8_t> met(static_cast<std::size_t>(proof.cases), 0);
    const NumberSet all = LowBits(p.numbers);
    for (const NumberSet board : freeParts) {
        const int most = std::min(p.m, std::popcount(board));
        for (int inBoard = p.k; inBoard <= most; ++inBoard)
            ForEachSubset(board, inBoard, [&](NumberSet a) {
                ForEachSubset(all & ~board, p.m - inBoard,
                              [&](NumberSet b) { met[RankOf(a | b)] = 1; });
            });
    }
    proof.casesMet = std::count(met.begin(), met.end(), std::uint8_t{1});
    return proof;
}

} // namespace orvane::wheelmaker
