#include "results/draw_comparison.h"

#include "wheels/board_run.h"
#include "wheels/system_list.h"

#include <algorithm>
#include <cstdio>

namespace orvane {

namespace {

std::string Padded(int value, const char* format) {
    char text[16];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

} // namespace

bool HasRepeatedMainNumber(const Draw& draw) {
    for (std::size_t i = 0; i < draw.main.size(); ++i)
        for (std::size_t j = i + 1; j < draw.main.size(); ++j)
            if (draw.main[i] == draw.main[j])
                return true;
    return false;
}

BoardComparison CompareBoard(int boardNumber, const BoardCells& board, const Draw& draw) {
    BoardComparison result;
    std::string& line = result.line;
    line = Padded(boardNumber, "%03d") + " : MB:";

    int mainMatches = 0;
    for (int n = 1; n <= kMainNumbers; ++n) {
        if (board(n) != 1)
            continue;
        line += '-';
        line += Padded(n, "%02d");
        mainMatches += static_cast<int>(std::count(draw.main.begin(), draw.main.end(), n));
    }

    line += " T:";
    int thunderballs = 0;
    bool thunderballHit = false;
    for (int cell = kFirstThunderballCell; cell <= kLastScreenCell; ++cell) {
        if (board(cell) != 1)
            continue;
        const int thunderball = cell - kMainNumbers;
        line += '-';
        line += std::to_string(thunderball);
        ++thunderballs;
        thunderballHit = thunderballHit || thunderball == draw.thunderball;
    }

    const std::string matches = std::to_string(mainMatches);
    line += " -> MB:";
    line += matches;
    line += thunderballHit ? " T: 1" : " T:0";

    result.counts = BoardWinnings(mainMatches, thunderballHit, thunderballs);
    if (const int others = OtherLinesWon(mainMatches, thunderballHit, thunderballs); others > 0) {
        line += " + ";
        line += std::to_string(others);
        line += " fois MB:";
        line += matches;
        line += " T:0";
    }
    return result;
}

ComparisonResult CompareBoardsWithDraw(BoardRun& run, const SelectionGrid& grid,
                                       const SystemList& list, const Draw& draw) {
    ComparisonResult result;
    run.StartRun(CurrentSystemIndex(list));
    const int boardCount = run.boardCount();
    result.lines.reserve(static_cast<std::size_t>(boardCount));
    for (int k = 1; k <= boardCount; ++k) {
        run.BuildBoard(k, grid);
        BoardComparison compared = CompareBoard(k, run.currentBoard(), draw);
        result.lines.push_back(std::move(compared.line));
        result.counts += compared.counts;
    }
    return result;
}

} // namespace orvane
