#pragma once
// Comparing every board of the chosen system with a draw: one result line per board and the
// winning boards counted per prize rank.

#include "prizes/prize_ranks.h"
#include "results/draw.h"
#include "wheels/board_cells.h"
#include "wheels/system_boards.h"

#include <array>
#include <bit>
#include <cstdint>
#include <string>
#include <vector>

namespace orvane {

// A board's numbers as the counting reads them: bit n of `main` for main number n, bit t of
// `thunderballs` for Thunderball t. A board holds a number where its cell is exactly 1.
struct BoardNumbers {
    std::uint64_t main = 0;
    std::uint32_t thunderballs = 0;
};
BoardNumbers NumbersOfBoard(const BoardCells& board);

// A draw the same way: its main numbers as bits, and its Thunderball.
struct DrawnNumbers {
    std::uint64_t main = 0;
    int thunderball = 0;
};
DrawnNumbers NumbersOfDraw(const Draw& draw);

// How a board meets a draw, and what it wins by it: the comparison window and the check of every
// stored draw count through here alike.
struct BoardMatch {
    int mainMatches = 0;
    bool thunderballHit = false;
    int thunderballs = 0; // carried by the board, each a line of play
};
BoardMatch MatchBoard(const BoardNumbers& board, const DrawnNumbers& draw);
inline int MainMatches(const BoardNumbers& board, const DrawnNumbers& draw) {
    return std::popcount(board.main & draw.main);
}
inline bool CarriesDrawnThunderball(const BoardNumbers& board, const DrawnNumbers& draw) {
    return draw.thunderball >= 1 && draw.thunderball <= kThunderballNumbers &&
           (board.thunderballs >> draw.thunderball & 1u) != 0;
}
RankCounts WinningsOf(const BoardMatch& match);

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

// Runs `boards.run` over every board of the system chosen in `boards.list`, built from
// `boards.grid`, and compares each with `draw`, which must have no repeated main number. The run
// starts afresh (board number 1, the chosen system active) and the last board stays its current
// board.
ComparisonResult CompareBoardsWithDraw(SystemBoards boards, const Draw& draw);

} // namespace orvane
