#include "results/draw_comparison.h"

#include "wheels/board_run.h"
#include "wheels/system_list.h"

#include <algorithm>
#include <cstdio>
#include <optional>

namespace orvane {

namespace {

// The rank a line wins with m main matches, with or without the Thunderball.
std::optional<PrizeRank> RankOf(int mainMatches, bool thunderballHit) {
    switch (mainMatches) {
    case 5:
        return thunderballHit ? PrizeRank::FivePlusT : PrizeRank::Five;
    case 4:
        return thunderballHit ? PrizeRank::FourPlusT : PrizeRank::Four;
    case 3:
        return thunderballHit ? PrizeRank::ThreePlusT : PrizeRank::Three;
    case 2:
        return thunderballHit ? std::optional(PrizeRank::TwoPlusT) : std::nullopt;
    case 1:
        return thunderballHit ? std::optional(PrizeRank::OnePlusT) : std::nullopt;
    default:
        return std::nullopt;
    }
}

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

RankCounts& RankCounts::operator+=(const RankCounts& other) {
    for (std::size_t i = 0; i < m_counts.size(); ++i)
        m_counts[i] += other.m_counts[i];
    return *this;
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

    const std::optional<PrizeRank> rank = RankOf(mainMatches, thunderballHit);
    if (!rank)
        return result;
    result.counts.add(*rank, 1);

    // The board's other Thunderball numbers are lines of their own that missed the Thunderball;
    // they win only where the main matches alone win something.
    const int otherLines = thunderballs - 1;
    const std::optional<PrizeRank> withoutThunderball = RankOf(mainMatches, false);
    if (thunderballHit && otherLines > 0 && withoutThunderball) {
        line += " + ";
        line += std::to_string(otherLines);
        line += " fois MB:";
        line += matches;
        line += " T:0";
        result.counts.add(*withoutThunderball, otherLines);
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
