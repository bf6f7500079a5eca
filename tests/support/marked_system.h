#pragma once
// A system played with real numbers: the marks on a grid, the boards the run builds from them as
// masks of main numbers, and a walk over every draw of five main numbers, for checking figures
// counted over positions against the draws themselves.

#include "wheels/board_run.h"
#include "wheels/system_list.h"

#include <bit>
#include <cstdint>
#include <vector>

namespace orvane::test {

// Main numbers as bits: bit c stands for number c.
using NumberMask = std::uint64_t;

struct MarkedSystem {
    int index = 0;
    SelectionGrid grid;
    SystemList list;
    BoardRun run;
    NumberMask marked = 0;
    NumberMask fixed = 0;
    std::vector<NumberMask> boards; // board k at k-1
};

// Marks the numbers on a grid, checks them as the buttons do (the menu's rule where several
// Thunderballs are marked), and builds every board through the run; no board when the check fails.
inline MarkedSystem MarkSystem(int index, const std::vector<int>& fixed,
                               const std::vector<int>& selected,
                               const std::vector<int>& thunderballs) {
    MarkedSystem s;
    s.index = index;
    for (const int c : fixed) {
        s.grid.setState(c, kFixed);
        s.fixed |= NumberMask{1} << c;
    }
    for (const int c : selected)
        s.grid.setState(c, kSelected);
    s.marked = s.fixed;
    for (const int c : selected)
        s.marked |= NumberMask{1} << c;
    for (const int t : thunderballs)
        s.grid.setState(ThunderballCell(t), kSelected);
    s.list.choose(s.list.positionOfSystem(index));
    const auto rule =
        thunderballs.size() == 1 ? ThunderballRule::ExactlyOne : ThunderballRule::AtLeastOne;
    if (!SelectionCheck(s.grid, s.list, rule))
        return s;
    s.run.RebuildPlayOrder(s.grid);
    s.run.StartRun(index);
    for (int k = 1; k <= s.run.boardCount(); ++k) {
        s.run.BuildBoard(k, s.grid);
        NumberMask board = 0;
        for (int c = 1; c <= kMainNumbers; ++c)
            if (s.run.currentBoard(c) == 1)
                board |= NumberMask{1} << c;
        s.boards.push_back(board);
    }
    return s;
}

// Calls visit(drawn) for each of the C(39, 5) draws of five main numbers.
template <typename Visit> void ForEachDraw(Visit visit) {
    for (int a = 1; a <= kMainNumbers; ++a)
        for (int b = a + 1; b <= kMainNumbers; ++b)
            for (int c = b + 1; c <= kMainNumbers; ++c)
                for (int d = c + 1; d <= kMainNumbers; ++d)
                    for (int e = d + 1; e <= kMainNumbers; ++e)
                        visit((NumberMask{1} << a) | (NumberMask{1} << b) | (NumberMask{1} << c) |
                              (NumberMask{1} << d) | (NumberMask{1} << e));
}

inline int Held(NumberMask a, NumberMask b) {
    return std::popcount(a & b);
}

} // namespace orvane::test
