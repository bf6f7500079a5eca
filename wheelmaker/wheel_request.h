#pragma once
// What a player asks of a wheel: v numbers, the first f of them fixed, a promise "k if m", and
// perhaps a most number of boards; and the plain covering problem that request comes down to.

#include <cstdint>
#include <optional>
#include <string>

namespace orvane::wheelmaker {

// The largest count of numbers a request may mark: the main numbers of a ticket.
constexpr int kMostNumbers = 39;
// Every board holds five numbers.
constexpr int kNumbersPerBoard = 5;

struct WheelRequest {
    int numbers = 0; // v, 6..39; positions 1..v
    int fixed = 0;   // f: positions 1..f are on every board
    int k = 0;       // "k if m"
    int m = 0;
    std::optional<int> boardCap; // at most this many boards
};

// Why a request cannot be made, in words; empty when it can.
std::string RequestFault(const WheelRequest& request);

// A fixed system promises its "k if m" for the draws that hold every fixed number (the way the
// catalogue's fixed systems count their cases). On such a draw every board already holds the f
// fixed numbers, so the promise comes down to the free numbers alone: any m - f of the v - f free
// numbers meet the free part (5 - f numbers) of some board in k - f or more. That plain covering
// problem is what the search works on.
struct CoverProblem {
    int numbers = 0; // free numbers, as bits 0..numbers-1
    int boardSize = 0;
    int k = 0; // may be 0 or less: then any board keeps the promise
    int m = 0;
};

CoverProblem ProblemOf(const WheelRequest& request);

// How many m-sets one board meets in k or more numbers.
std::int64_t SetsOneBoardMeets(const CoverProblem& problem);

} // namespace orvane::wheelmaker
