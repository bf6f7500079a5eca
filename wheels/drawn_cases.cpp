#include "wheels/drawn_cases.h"

#include <bit>
#include <cstdint>
#include <vector>

namespace orvane {

namespace {

using Word = std::uint64_t;
constexpr std::size_t kWordBits = 64;

// Boards as bits: bit i of word w stands for board 64w + i.
using BoardSet = std::vector<Word>;

// How many drawn positions each board holds, for all boards at once, in three bit planes: a count
// of five or less fits in three bits.
struct BoardCounts {
    BoardSet ones, twos, fours;
};

// Walks the cases depth first, one drawn position more at each level, so that each case's counts
// are its parent's plus the boards holding the new position: a few word operations whatever the
// number of boards, where counting board by board would cost a pass over every board.
class CaseWalk {
  public:
    CaseWalk(std::span<const BoardPositions> rows, int numberCount,
             const std::function<void(const DrawnCase&)>& visit)
        : m_numberCount(numberCount), m_words((rows.size() + kWordBits - 1) / kWordBits),
          m_boardsHolding(static_cast<std::size_t>(numberCount) + 1, BoardSet(m_words)),
          m_visit(visit) {
        for (std::size_t board = 0; board < rows.size(); ++board)
            for (const auto p : rows[board])
                m_boardsHolding[p][board / kWordBits] |= Word{1} << (board % kWordBits);
        m_boardCount = static_cast<int>(rows.size());
        for (auto& level : m_levels)
            level = {BoardSet(m_words), BoardSet(m_words), BoardSet(m_words)};
    }

    void run() { descend(1, DrawnCase{}); }

  private:
    // Visits `drawn`, whose counts are at level drawnCount, then every case with more positions,
    // from `next` on.
    void descend(int next, DrawnCase drawn) {
        const int depth = drawn.drawnCount;
        countHoldings(drawn);
        m_visit(drawn);
        if (depth == kDrawnMainNumbers)
            return;
        const BoardCounts& counts = m_levels[static_cast<std::size_t>(depth)];
        BoardCounts& more = m_levels[static_cast<std::size_t>(depth) + 1];
        for (int p = next; p <= m_numberCount; ++p) {
            const BoardSet& added = m_boardsHolding[static_cast<std::size_t>(p)];
            // Adds one to the count of each board in `added`, carrying from plane to plane.
            for (std::size_t w = 0; w < m_words; ++w) {
                const Word carryToTwos = counts.ones[w] & added[w];
                const Word carryToFours = counts.twos[w] & carryToTwos;
                more.ones[w] = counts.ones[w] ^ added[w];
                more.twos[w] = counts.twos[w] ^ carryToTwos;
                more.fours[w] = counts.fours[w] ^ carryToFours;
            }
            DrawnCase child;
            child.drawn = drawn.drawn | PositionMask{1} << p;
            child.drawnCount = depth + 1;
            descend(p + 1, child);
        }
    }

    void countHoldings(DrawnCase& drawn) const {
        const BoardCounts& counts = m_levels[static_cast<std::size_t>(drawn.drawnCount)];
        int held = 0;
        for (int h = 1; h <= drawn.drawnCount; ++h) {
            int boards = 0;
            for (std::size_t w = 0; w < m_words; ++w)
                boards += std::popcount((h & 1 ? counts.ones[w] : ~counts.ones[w]) &
                                        (h & 2 ? counts.twos[w] : ~counts.twos[w]) &
                                        (h & 4 ? counts.fours[w] : ~counts.fours[w]));
            drawn.boardsHolding[static_cast<std::size_t>(h)] = boards;
            held += boards;
        }
        drawn.boardsHolding[0] = m_boardCount - held;
        for (int h = 0; h < kHoldings; ++h)
            if (drawn.boardsHolding[static_cast<std::size_t>(h)] > 0) {
                drawn.best = h;
                drawn.holdingsSet |= 1u << h;
            }
    }

    int m_numberCount;
    std::size_t m_words;
    int m_boardCount = 0;
    std::vector<BoardSet> m_boardsHolding;                   // [p]: the boards that hold position p
    std::array<BoardCounts, kDrawnMainNumbers + 1> m_levels; // [drawn count]
    const std::function<void(const DrawnCase&)>& m_visit;
};

} // namespace

void ForEachDrawnCase(std::span<const BoardPositions> rows, int numberCount,
                      const std::function<void(const DrawnCase&)>& visit) {
    CaseWalk(rows, numberCount, visit).run();
}

} // namespace orvane
