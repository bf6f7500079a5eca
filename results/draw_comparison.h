#pragma once
// Comparing every board of the chosen system with a draw: one result line per board and the
// winning boards counted per prize rank.

#include "wheels/selection_grid.h"

#include <array>
#include <string>
#include <vector>

namespace orvane {

struct Session;

constexpr int kDrawnMainNumbers = 5;

// A draw as the player enters it: five main numbers 1..39 and the Thunderball 1..14, which is a
// draw of its own and may equal a main number.
struct Draw {
    std::array<int, kDrawnMainNumbers> main{};
    int thunderball = 0;
};

// A draw naming one main number twice cannot be compared: a board would match it twice.
bool HasRepeatedMainNumber(const Draw& draw);

// The prize ranks in the order the counters are shown.
enum class PrizeRank { FivePlusT, Five, FourPlusT, Four, ThreePlusT, Three, TwoPlusT, OnePlusT };
constexpr int kPrizeRankCount = 8;

// Winning boards per prize rank.
class RankCounts {
  public:
    int operator[](PrizeRank rank) const { return m_counts[index(rank)]; }
    void add(PrizeRank rank, int boards) { m_counts[index(rank)] += boards; }
    RankCounts& operator+=(const RankCounts& other);
    bool operator==(const RankCounts&) const = default;

  private:
    static std::size_t index(PrizeRank rank) { return static_cast<std::size_t>(rank); }
    std::array<int, kPrizeRankCount> m_counts{};
};

// A board as the run builds it, indexed by cell 1..53; an entry of exactly 1 is a number of the
// board (main number n at cell n, Thunderball t at cell 39 + t).
class BoardCells {
  public:
    int operator()(int cell) const { return m_cells[static_cast<std::size_t>(cell - 1)]; }
    void set(int cell, int value) { m_cells[static_cast<std::size_t>(cell - 1)] = value; }

  private:
    std::array<int, kLastScreenCell> m_cells{};
};

struct BoardComparison {
    std::string line;
    RankCounts counts;
};

// The result line of board `boardNumber` (1..999) against `draw`, and what the board wins.
// A board carrying c Thunderball numbers stands for c lines of play: when one of them is drawn
// and three or more main numbers match, the other c - 1 win at the same main matches without the
// Thunderball, and the line says so with " + (c-1) fois MB:m T:0".
BoardComparison CompareBoard(int boardNumber, const BoardCells& board, const Draw& draw);

struct ComparisonResult {
    std::vector<std::string> lines;
    RankCounts counts;
};

// Runs over every board of the system chosen in the session and compares each with `draw`,
// which must have no repeated main number. The run starts afresh (board number 1, the chosen
// system active) and the last board stays the session's current board.
ComparisonResult CompareBoardsWithDraw(Session& session, const Draw& draw);

} // namespace orvane
