#pragma once
// Comparing every board of the chosen system with a draw: one result line per board and the
// winning boards counted per prize rank.

#include "results/prize_ranks.h"
#include "wheels/board_cells.h"

#include <array>
#include <string>
#include <vector>

namespace orvane {

class BoardRun;
class SelectionGrid;
class SystemList;

// A draw as the player enters it: five main numbers 1..39 and the Thunderball 1..14, which is a
// draw of its own and may equal a main number.
struct Draw {
    std::array<int, kDrawnMainNumbers> main{};
    int thunderball = 0;
};

// A draw naming one main number twice cannot be compared: a board would match it twice.
bool HasRepeatedMainNumber(const Draw& draw);

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

// Runs `run` over every board of the system chosen in `list`, built from `grid`, and compares
// each with `draw`, which must have no repeated main number. The run starts afresh (board number
// 1, the chosen system active) and the last board stays its current board.
ComparisonResult CompareBoardsWithDraw(BoardRun& run, const SelectionGrid& grid,
                                       const SystemList& list, const Draw& draw);

} // namespace orvane
