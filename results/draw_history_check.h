#pragma once
// Every board of the chosen system against every stored draw: what each draw would have paid, and
// what playing the boards in all of them would have cost and won, by a prize table.

#include "prizes/prize_table.h"
#include "results/stored_draw.h"
#include "wheels/system_boards.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace orvane {

struct DrawResult {
    StoredDraw draw;
    RankCounts counts;    // winning lines per rank, as the comparison counts them, 0 + T too
    std::int64_t won = 0; // pence
};

struct HistoryCheck {
    int system = 0;
    int boards = 0;
    int linesPerDraw = 0; // each Thunderball number a board carries is a line of play
    PrizeTable prizes;
    std::vector<DrawResult> draws; // in the history's order
    RankCounts counts;             // over every draw
    std::array<std::int64_t, kPaidRankCount> wonPerRank{};
    std::int64_t won = 0;
    std::int64_t spent = 0; // lines per draw x price of a line x draws
    // The draw that paid the most (the newest of equals); none when no draw paid anything.
    std::optional<std::size_t> best;

    std::int64_t net() const { return won - spent; }
};

// Runs `boards.run` over the boards of the system chosen in `boards.list`, built from
// `boards.grid`, once, and counts every board against every draw of `draws`. The run starts afresh
// (board 1, the chosen system active) and its last board stays the current one, as after the
// comparison window's run.
HistoryCheck CheckEveryDraw(SystemBoards boards, const std::vector<StoredDraw>& draws,
                            const PrizeTable& prizes);

} // namespace orvane
