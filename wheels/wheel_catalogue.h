#pragma once
// The 71 wheeling systems: their records, boards as positions into the play order, and the
// one-line description the player sees.

#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace orvane {

struct WheelSystem {
    std::int32_t boardCount;
    std::int32_t numberCount;
    std::int32_t boardSize;
    std::int32_t fixedCount;
    const char* guarantee; // "k if m"
};

constexpr int kSystemCount = 71;
constexpr int kBoardSize = 5;

// One board: five positions (1-based) into the play order.
using BoardPositions = std::array<std::uint8_t, kBoardSize>;

constexpr bool IsCatalogueIndex(int index) {
    return index >= 1 && index <= kSystemCount;
}

// A system of the catalogue (1..71), or a player's wheel on the shelf (player_wheels.h).
bool IsSystemIndex(int index);

// The record of system `index`.
const WheelSystem& WheelCatalogue(int index);

// The boards of system `index`, row k-1 holding board k. A table that is not (yet) present is
// empty, and such a system cannot be expanded.
std::span<const BoardPositions> CombinationTable(int index);

// True when the system's table has exactly its board count of rows, so it can be expanded.
bool HasCompleteTable(int index);

// The rows of a full system: positions 1..f on every row, then every choice of the remaining
// positions out of f+1..n, in lexicographic order.
std::span<const BoardPositions> FullSystemTable(int numberCount, int fixedCount);

// The guarantee "k if m" as its two digits.
struct Guarantee {
    int k;
    int m;
};
Guarantee ParseGuarantee(const char* text);

// The description shown in the system list and the boards view, for example
// " 8 numbers  in   5 boards :4 if 5 numbers  on the draw"; a player's wheel describes itself
// (player_wheels.h).
std::string DescribeSystem(int index);

} // namespace orvane
