#include "wheelmaker/wheel_maker.h"

#include "wheelmaker/cover_search.h"
#include "wheelmaker/cyclic_cover.h"
#include "wheelmaker/group_split.h"
#include "wheelmaker/offline_tables.h"

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <span>
#include <thread>

namespace orvane::wheelmaker {

namespace {

using Clock = std::chrono::steady_clock;

// The best wheel the searches have found, shared between them and the caller's thread.
class BestSoFar final {
  public:
    explicit BestSoFar(std::optional<int> cap) : m_cap(cap) {}

    void offer(const std::vector<NumberSet>& boards, std::int64_t unmet) {
        const std::lock_guard lock(m_mutex);
        if (better(boards, unmet)) {
            m_boards = boards;
            m_unmet = unmet;
            m_changed = true;
            m_wake.notify_all();
        }
    }

    void finishOne() {
        const std::lock_guard lock(m_mutex);
        ++m_finished;
        m_wake.notify_all();
    }

    // Waits until something changes, a search ends, or `until`; true when every search has ended.
    bool wait(Clock::time_point until, int searches) {
        std::unique_lock lock(m_mutex);
        m_wake.wait_until(lock, until, [&] { return m_changed || m_finished == searches; });
        m_changed = false;
        return m_finished == searches;
    }

    std::pair<std::vector<NumberSet>, std::int64_t> get() const {
        const std::lock_guard lock(m_mutex);
        return {m_boards, m_unmet};
    }

  private:
    bool fits(std::size_t size) const { return !m_cap || static_cast<int>(size) <= *m_cap; }

    bool better(const std::vector<NumberSet>& boards, std::int64_t unmet) const {
        if (m_unmet < 0)
            return true;
        const bool holds = unmet == 0 && fits(boards.size());
        const bool held = m_unmet == 0 && fits(m_boards.size());
        if (holds != held)
            return holds;
        if (holds)
            return boards.size() < m_boards.size();
        // Neither keeps the promise within the cap: fewer unmet cases within the cap wins.
        if (fits(boards.size()) != fits(m_boards.size()))
            return fits(boards.size());
        return unmet < m_unmet || (unmet == m_unmet && boards.size() < m_boards.size());
    }

    std::optional<int> m_cap;
    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    std::vector<NumberSet> m_boards;
    std::int64_t m_unmet = -1;
    bool m_changed = false;
    int m_finished = 0;
};

// A wheel given as positions, as free numbers.
std::vector<NumberSet> freeNumbersOf(std::span<const BoardPositions> wheel, int fixed) {
    std::vector<NumberSet> boards;
    for (const BoardPositions& row : wheel) {
        NumberSet board = 0;
        for (const int p : row)
            if (p > fixed)
                board |= NumberSet{1} << (p - 1 - fixed);
        boards.push_back(board);
    }
    return boards;
}

// The table of the catalogue's system for the same request, as free numbers, if there is one: the
// project's own tables, proven, and a start the search can only go below.
std::vector<NumberSet> catalogueTable(const WheelRequest& r) {
    for (int index = 1; index <= kSystemCount; ++index) {
        const WheelSystem& s = WheelCatalogue(index);
        const Guarantee g = ParseGuarantee(s.guarantee);
        if (s.numberCount != r.numbers || s.fixedCount != r.fixed || g.k != r.k || g.m != r.m ||
            !HasCompleteTable(index))
            continue;
        return freeNumbersOf(CombinationTable(index), r.fixed);
    }
    return {};
}

// The smallest of the starts that keep the promise, the first among equals; empty when none does.
std::vector<NumberSet> smallestHolding(const CoverProblem& problem,
                                       std::vector<std::vector<NumberSet>> starts) {
    std::vector<NumberSet> smallest;
    for (auto& start : starts) {
        start = WithoutRepeats(std::move(start));
        if (start.empty() || (!smallest.empty() && start.size() >= smallest.size()))
            continue;
        CoverageState state(problem);
        state.reset(start);
        if (state.uncoveredCount() == 0)
            smallest = std::move(start);
    }
    return smallest;
}

} // namespace

std::vector<BoardPositions> PositionsOf(const std::vector<NumberSet>& boards, int fixed) {
    std::vector<BoardPositions> rows;
    for (const NumberSet board : WithoutRepeats(boards)) {
        BoardPositions row{};
        std::size_t i = 0;
        for (int p = 1; p <= fixed; ++p)
            row[i++] = static_cast<std::uint8_t>(p);
        for (NumberSet rest = board; rest != 0 && i < row.size(); rest &= rest - 1)
            row[i++] = static_cast<std::uint8_t>(std::countr_zero(rest) + fixed + 1);
        rows.push_back(row);
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

MadeWheel MakeWheel(const WheelRequest& request, const MakeOptions& options) {
    MadeWheel made;
    made.fault = RequestFault(request);
    if (!made.fault.empty())
        return made;
    const auto started = Clock::now();
    const SearchClock clock(started + options.timeLimit, options.stop);
    const CoverProblem problem = ProblemOf(request);
    made.known = KnownSizesFor(request);

    BestSoFar best(request.boardCap);
    const auto listener = [&](const std::vector<NumberSet>& boards, std::int64_t unmet) {
        best.offer(boards, unmet);
    };
    const int floor = std::max(made.known.lowerBound, options.enoughBoards.value_or(0));
    const int searches = std::max(1, options.threads);
    // The tables made earlier for the same request, each proven here before it is trusted: the
    // catalogue's, the ones made offline, and the one handed in.
    const std::vector<NumberSet> madeEarlier =
        smallestHolding(problem, {catalogueTable(request), OfflineTable(problem),
                                  freeNumbersOf(options.startWheel, request.fixed)});

    std::vector<std::thread> threads;
    for (int i = 0; i < searches; ++i)
        threads.emplace_back([&, i] {
            // Each search reads the clock on its own: the clock counts its calls.
            const SearchClock own = clock.part(clock.deadline());
            CoverSearchSettings settings;
            settings.seed = options.seed + static_cast<std::uint64_t>(i) * 7919;
            settings.cap = request.boardCap;
            settings.lowerBound = floor;
            // A greedy wheel first, made in a moment, so that there is one to show at once; then
            // the tables made earlier and the union of smaller coverings, where they have fewer
            // boards. A table already as small as asked for is the answer.
            RandomNumbers random(settings.seed);
            settings.start = GreedyCover(problem, random);
            listener(settings.start, 0);
            if (!madeEarlier.empty() && madeEarlier.size() < settings.start.size()) {
                settings.start = madeEarlier;
                listener(settings.start, 0);
            }
            const int size = static_cast<int>(settings.start.size());
            if (size <= floor && (!request.boardCap || size <= *request.boardCap)) {
                best.finishOne();
                return;
            }
            if (auto split = SplitCover(problem, settings.seed, own);
                !split.empty() && split.size() < settings.start.size()) {
                settings.start = std::move(split);
                listener(settings.start, 0);
            }
            // Whole orbits get a good part of the time where they may lead to the best wheels.
            const SearchClock orbitClock =
                own.part(Clock::now() + (own.deadline() - Clock::now()) * 2 / 5);
            auto orbits = CyclicCover(problem, static_cast<int>(settings.start.size()), floor,
                                      settings.seed, orbitClock);
            if (!orbits.empty() && orbits.size() < settings.start.size()) {
                settings.start = std::move(orbits);
                listener(settings.start, 0);
            }
            SearchCover(problem, settings, own, listener);
            best.finishOne();
        });

    std::size_t smallestTold = SIZE_MAX;
    const auto report = [&] {
        if (!options.progress && !options.betterWheel)
            return;
        const auto [boards, unmet] = best.get();
        const auto distinct = static_cast<int>(WithoutRepeats(boards).size());
        const bool keepsPromise =
            unmet == 0 && (!request.boardCap || distinct <= *request.boardCap);
        if (options.betterWheel && keepsPromise &&
            static_cast<std::size_t>(distinct) < smallestTold) {
            smallestTold = static_cast<std::size_t>(distinct);
            options.betterWheel(PositionsOf(boards, request.fixed));
        }
        if (!options.progress)
            return;
        WheelProgress p;
        p.boards = distinct;
        p.keepsPromise = keepsPromise;
        const auto sets = static_cast<double>(Binomial(problem.numbers, problem.m));
        p.shareMet = p.boards == 0 || problem.k <= 0 ? (p.boards > 0 ? 1.0 : 0.0)
                                                     : 1.0 - static_cast<double>(unmet) / sets;
        p.seconds = std::chrono::duration<double>(Clock::now() - started).count();
        options.progress(p);
    };
    auto nextTick = Clock::now();
    while (!best.wait(nextTick, searches)) {
        if (Clock::now() >= nextTick)
            nextTick = Clock::now() + std::chrono::milliseconds(250);
        report();
    }
    for (auto& t : threads)
        t.join();
    report();

    made.boards = PositionsOf(best.get().first, request.fixed);
    made.proof = ProveWheel(made.boards, request);
    made.seconds = std::chrono::duration<double>(Clock::now() - started).count();
    made.stopped = clock.stopRequested();
    return made;
}

} // namespace orvane::wheelmaker
