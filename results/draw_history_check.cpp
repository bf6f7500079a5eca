#include "results/draw_history_check.h"

#include "results/draw_comparison.h"
#include "wheels/board_run.h"
#include "wheels/system_list.h"

#include <algorithm>
#include <bit>

namespace orvane {

HistoryCheck CheckEveryDraw(BoardRun& run, const SelectionGrid& grid, const SystemList& list,
                            const std::vector<StoredDraw>& draws, const PrizeTable& prizes) {
    HistoryCheck check;
    check.system = CurrentSystemIndex(list);
    check.prizes = prizes;
    run.StartRun(check.system);
    check.boards = run.boardCount();

    // The boards are the same for every draw: build them once.
    std::vector<BoardNumbers> boards;
    boards.reserve(static_cast<std::size_t>(check.boards));
    for (int k = 1; k <= check.boards; ++k) {
        run.BuildBoard(k, grid);
        boards.push_back(NumbersOfBoard(run.currentBoard()));
        check.linesPerDraw += std::max(1, std::popcount(boards.back().thunderballs));
    }

    check.draws.reserve(draws.size());
    for (const StoredDraw& stored : draws) {
        DrawResult result{stored, {}, 0};
        const DrawnNumbers drawn = NumbersOfDraw(stored.draw);
        for (const BoardNumbers& board : boards)
            result.counts += WinningsOf(MatchBoard(board, drawn));
        for (const PrizeRank rank : kPrizeRanks) {
            const std::int64_t paid = result.counts[rank] * prizes.amount(rank);
            result.won += paid;
            check.wonPerRank[RankIndex(rank)] += paid;
        }
        check.counts += result.counts;
        check.won += result.won;
        if (result.won > 0 && (!check.best || result.won > check.draws[*check.best].won))
            check.best = check.draws.size();
        check.draws.push_back(std::move(result));
    }
    check.spent = static_cast<std::int64_t>(check.linesPerDraw) * prizes.pricePerBoard *
                  static_cast<std::int64_t>(draws.size());
    return check;
}

} // namespace orvane
