#include "wheelmaker/group_split.h"

#include "wheelmaker/cyclic_cover.h"
#include "wheelmaker/offline_tables.h"

#include <algorithm>
#include <map>

namespace orvane::wheelmaker {

namespace {

// The boards a "k if k" covering of `size` numbers is expected to need: the table made offline
// where there is one (what the group will get), else the fewest known where the records have it,
// else the counting bound.
int expectedBoards(int size, int boardSize, int k) {
    if (size < k)
        return 0;
    if (size <= boardSize)
        return 1;
    if (const auto table = OfflineTable({size, boardSize, k, k}); !table.empty())
        return static_cast<int>(table.size());
    if (boardSize == kNumbersPerBoard)
        if (const auto r = FindWheelRecord(size, k, k); r && r->bestKnown)
            return *r->bestKnown;
    return CountingBound({size, boardSize, k, k});
}

// Group sizes, largest first, of the split with the fewest expected boards.
std::vector<int> bestSplit(const CoverProblem& p, int groups) {
    std::vector<int> best;
    int fewest = -1;
    std::vector<int> sizes(static_cast<std::size_t>(groups));
    // Each group size weighed once (a table made offline is read to weigh it), not at every split.
    std::vector<int> expected(static_cast<std::size_t>(p.numbers) + 1);
    for (int size = 0; size <= p.numbers; ++size)
        expected[static_cast<std::size_t>(size)] = expectedBoards(size, p.boardSize, p.k);
    // Walks every way to write p.numbers as `groups` sizes, each no larger than the one before.
    const auto walk = [&](auto&& self, int group, int left, int most) -> void {
        if (group == groups - 1) {
            if (left > most)
                return;
            sizes.back() = left;
            int boards = 0;
            for (const int s : sizes)
                boards += expected[static_cast<std::size_t>(s)];
            if (fewest < 0 || boards < fewest) {
                fewest = boards;
                best = sizes;
            }
            return;
        }
        for (int s = std::min(left, most); s * (groups - group) >= left; --s) {
            sizes[static_cast<std::size_t>(group)] = s;
            self(self, group + 1, left - s, s);
        }
    };
    walk(walk, 0, p.numbers, p.numbers - 1);
    return best;
}

} // namespace

std::vector<NumberSet> SplitCover(const CoverProblem& p, std::uint64_t seed,
                                  const SearchClock& clock) {
    if (p.k < 2 || p.k >= p.m || p.numbers <= p.boardSize)
        return {};
    const int groups = (p.m - 1) / (p.k - 1);
    if (groups < 2)
        return {};
    const std::vector<int> sizes = bestSplit(p, groups);
    if (sizes.empty())
        return {};
    int toSearch = 0;
    for (const int s : sizes)
        toSearch += s > p.boardSize;
    const auto now = SearchClock::Clock::now();
    const auto share = (clock.deadline() - now) / 2 / std::max(toSearch, 1);

    std::map<int, std::vector<NumberSet>> coverings; // by group size
    std::vector<NumberSet> boards;
    int offset = 0;
    for (const int size : sizes) {
        const NumberSet group = LowBits(size) << offset;
        if (size >= p.k && size <= p.boardSize) {
            // One board holds the whole group, filled up with numbers of the others.
            NumberSet board = group;
            for (int n = 0; std::popcount(board) < p.boardSize; ++n)
                board |= NumberSet{1} << n;
            boards.push_back(board);
        } else if (size > p.boardSize) {
            auto& covering = coverings[size];
            if (covering.empty()) {
                const CoverProblem part{size, p.boardSize, p.k, p.k};
                CoverSearchSettings settings;
                settings.seed = seed + static_cast<std::uint64_t>(size);
                settings.lowerBound =
                    std::max(CountingBound(part), expectedBoards(size, p.boardSize, p.k));
                const SearchClock partClock = clock.part(SearchClock::Clock::now() + share);
                // The table made offline where there is one (the search ends at once when it is
                // as small as the best known); else whole orbits first, with part of the group's
                // time: the best "k if k" coverings of many sizes are made of them.
                settings.start = OfflineTable(part);
                if (settings.start.empty()) {
                    RandomNumbers random(settings.seed);
                    const auto greedy = GreedyCover(part, random);
                    settings.start = CyclicCover(
                        part, static_cast<int>(greedy.size()), settings.lowerBound, settings.seed,
                        partClock.part(SearchClock::Clock::now() + share * 2 / 5));
                }
                covering = SearchCover(part, settings, partClock, [](const auto&, auto) {}).boards;
            }
            for (const NumberSet board : covering)
                boards.push_back(board << offset);
        }
        offset += size;
    }
    return WithoutRepeats(boards);
}

} // namespace orvane::wheelmaker
