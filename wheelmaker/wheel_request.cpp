#include "wheelmaker/wheel_request.h"

#include "wheelmaker/number_sets.h"

#include <algorithm>

namespace orvane::wheelmaker {

std::string RequestFault(const WheelRequest& r) {
    if (r.numbers < kNumbersPerBoard + 1 || r.numbers > kMostNumbers)
        return "the count of numbers must lie in " + std::to_string(kNumbersPerBoard + 1) + ".." +
               std::to_string(kMostNumbers);
    if (r.m < 2 || r.m > kNumbersPerBoard || r.k < 2 || r.k > r.m)
        return "the promise \"k if m\" needs 2 <= k <= m <= 5";
    if (r.fixed < 0 || r.fixed >= kNumbersPerBoard)
        return "the count of fixed numbers must lie in 0..4";
    // The promise is about draws that hold every fixed number: with more fixed numbers than m
    // there is no such draw, and the promise would say nothing.
    if (r.fixed > r.m)
        return "there cannot be more fixed numbers than m";
    if (r.boardCap && *r.boardCap < 1)
        return "the most number of boards must be 1 or more";
    return {};
}

CoverProblem ProblemOf(const WheelRequest& r) {
    return {r.numbers - r.fixed, kNumbersPerBoard - r.fixed, r.k - r.fixed, r.m - r.fixed};
}

std::int64_t SetsOneBoardMeets(const CoverProblem& p) {
    std::int64_t sets = 0;
    for (int i = std::max(p.k, 0); i <= std::min(p.boardSize, p.m); ++i)
        sets += static_cast<std::int64_t>(Binomial(p.boardSize, i)) *
                Binomial(p.numbers - p.boardSize, p.m - i);
    return sets;
}

} // namespace orvane::wheelmaker
