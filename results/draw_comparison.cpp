#include "results/draw_comparison.h"

#include "wheels/board_run.h"
#include "wheels/system_list.h"

#include <cstdio>

namespace orvane {

namespace {

std::string Padded(int value, const char* format) {
    char text[16];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

} // namespace

BoardNumbers NumbersOfBoard(const BoardCells& board) {
    BoardNumbers numbers;
    for (int n = 1; n <= kMainNumbers; ++n)
        if (board(n) == 1)
            numbers.main |= std::uint64_t{1} << n;
    for (int cell = kFirstThunderballCell; cell <= kLastScreenCell; ++cell)
        if (board(cell) == 1)
            numbers.thunderballs |= std::uint32_t{1} << (cell - kMainNumbers);
    return numbers;
}

DrawnNumbers NumbersOfDraw(const Draw& draw) {
    DrawnNumbers numbers;
    for (const int n : draw.main)
        if (n >= 1 && n <= kMainNumbers)
            numbers.main |= std::uint64_t{1} << n;
    numbers.thunderball = draw.thunderball;
    return numbers;
}

BoardMatch MatchBoard(const BoardNumbers& board, const DrawnNumbers& draw) {
    return {MainMatches(board, draw), CarriesDrawnThunderball(board, draw),
            std::popcount(board.thunderballs)};
}

RankCounts WinningsOf(const BoardMatch& match) {
    return BoardWinnings(match.mainMatches, match.thunderballHit, match.thunderballs);
}

BoardComparison CompareBoard(int boardNumber, const BoardCells& board, const Draw& draw) {
    BoardComparison result;
    std::string& line = result.line;
    line = Padded(boardNumber, "%03d") + " : MB:";

    for (int n = 1; n <= kMainNumbers; ++n) {
        if (board(n) != 1)
            continue;
        line += '-';
        line += Padded(n, "%02d");
    }
    line += " T:";
    for (int cell = kFirstThunderballCell; cell <= kLastScreenCell; ++cell) {
        if (board(cell) != 1)
            continue;
        line += '-';
        line += std::to_string(cell - kMainNumbers);
    }

    const BoardMatch match = MatchBoard(NumbersOfBoard(board), NumbersOfDraw(draw));
    const std::string matches = std::to_string(match.mainMatches);
    line += " -> MB:";
    line += matches;
    line += match.thunderballHit ? " T: 1" : " T:0";

    result.counts = WinningsOf(match);
    if (const int others =
            OtherLinesWon(match.mainMatches, match.thunderballHit, match.thunderballs);
        others > 0) {
        line += " + ";
        line += std::to_string(others);
        line += " fois MB:";
        line += matches;
        line += " T:0";
    }
    return result;
}

ComparisonResult CompareBoardsWithDraw(SystemBoards boards, const Draw& draw) {
    ComparisonResult result;
    boards.run.StartRun(CurrentSystemIndex(boards.list));
    const int boardCount = boards.run.boardCount();
    result.lines.reserve(static_cast<std::size_t>(boardCount));
    for (int k = 1; k <= boardCount; ++k) {
        boards.run.BuildBoard(k, boards.grid);
        BoardComparison compared = CompareBoard(k, boards.run.currentBoard(), draw);
        result.lines.push_back(std::move(compared.line));
        result.counts += compared.counts;
    }
    return result;
}

} // namespace orvane
