#include "results/draw_history_check.h"

#include "results/draw_comparison.h"
#include "wheels/board_run.h"
#include "wheels/system_list.h"

#include <algorithm>
#include <array>
#include <bit>
#include <map>

namespace orvane {

HistoryCheck CheckEveryDraw(SystemBoards boards, const std::vector<StoredDraw>& draws,
                            const PrizeTable& prizes) {
    HistoryCheck check;
    check.system = CurrentSystemIndex(boards.list);
    check.prizes = prizes;
    boards.run.StartRun(check.system);
    check.boards = boards.run.boardCount();

    // The boards are the same for every draw: build them once. What a board wins depends only on
    // its main matches, whether it carries the drawn Thunderball and how many it carries, so each
    // draw tallies its boards by those and turns each tally into winnings once.
    std::map<int, std::vector<BoardNumbers>> boardsByThunderballs;
    for (int k = 1; k <= check.boards; ++k) {
        boards.run.BuildBoard(k, boards.grid);
        const BoardNumbers board = NumbersOfBoard(boards.run.currentBoard());
        const int thunderballs = std::popcount(board.thunderballs);
        boardsByThunderballs[thunderballs].push_back(board);
        check.linesPerDraw += std::max(1, thunderballs);
    }

    check.draws.reserve(draws.size());
    for (const StoredDraw& stored : draws) {
        DrawResult result{stored, {}, 0};
        const DrawnNumbers drawn = NumbersOfDraw(stored.draw);
        for (const auto& [thunderballs, boardsAlike] : boardsByThunderballs) {
            std::array<std::array<int, 2>, kDrawnMainNumbers + 1> tally{}; // [matches][hit]
            for (const BoardNumbers& board : boardsAlike)
                ++tally[static_cast<std::size_t>(MainMatches(board, drawn))]
                       [CarriesDrawnThunderball(board, drawn) ? 1 : 0];
            for (int matches = 0; matches <= kDrawnMainNumbers; ++matches)
                for (const bool hit : {false, true}) {
                    const int alike = tally[static_cast<std::size_t>(matches)][hit ? 1 : 0];
                    if (alike == 0)
                        continue;
                    const RankCounts won = WinningsOf({matches, hit, thunderballs});
                    for (const PrizeRank rank : kPaidRanks)
                        result.counts.add(rank, won[rank] * alike);
                }
        }
        for (const PrizeRank rank : kPaidRanks) {
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
