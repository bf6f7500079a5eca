#include "wheelmaker/wheel_maker.h"

#include "wheelmaker/naive_proof.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <set>

namespace orvane::wheelmaker {
namespace {

using namespace std::chrono_literals;
using test::NaiveProof;
using test::WellFormed;

std::string nameOf(const WheelRequest& r) {
    std::string name = std::to_string(r.k) + " if " + std::to_string(r.m) + " on " +
                       std::to_string(r.numbers) + " numbers, " + std::to_string(r.fixed) +
                       " fixed";
    if (r.boardCap)
        name += ", at most " + std::to_string(*r.boardCap) + " boards";
    return name;
}

MadeWheel make(const WheelRequest& r, std::chrono::milliseconds limit) {
    MakeOptions options;
    options.timeLimit = limit;
    return MakeWheel(r, options);
}

TEST(WheelMaker, EveryWheelItReturnsKeepsItsPromiseByASecondProof) {
    // Every promise, fixed numbers counted as the catalogue's fixed systems count them, a split
    // (2 if 4, 3 if 5) and promises any board keeps (k no more than f).
    const WheelRequest requests[] = {
        {12, 0, 2, 2, {}}, {14, 0, 2, 3, {}}, {20, 0, 2, 4, {}}, {16, 0, 2, 5, {}},
        {12, 0, 3, 3, {}}, {13, 0, 3, 4, {}}, {18, 0, 3, 5, {}}, {10, 0, 4, 4, {}},
        {11, 0, 4, 5, {}}, {9, 0, 5, 5, {}},  {10, 1, 5, 5, {}}, {12, 1, 3, 4, {}},
        {14, 2, 3, 5, {}}, {11, 1, 4, 5, {}}, {9, 2, 2, 4, {}},  {8, 3, 3, 3, {}},
    };
    for (const auto& r : requests) {
        SCOPED_TRACE(nameOf(r));
        const MadeWheel made = make(r, 400ms);
        ASSERT_TRUE(made.fault.empty()) << made.fault;
        ASSERT_TRUE(WellFormed(made.boards, r.numbers, r.fixed));
        const auto naive = NaiveProof(made.boards, r.numbers, r.fixed, r.k, r.m);
        EXPECT_GT(naive.cases, 0);
        EXPECT_EQ(naive.met, naive.cases);
        EXPECT_TRUE(made.keepsPromise());
        EXPECT_EQ(made.proof.cases, naive.cases);
        EXPECT_GE(static_cast<int>(made.boards.size()), made.known.lowerBound);
    }
}

TEST(WheelMaker, ReachesTheFewestBoardsKnownOnSmallRequests) {
    // Each of these is reached in well under a second; the limit is only a backstop.
    const WheelRequest requests[] = {
        {10, 0, 3, 3, {}}, {12, 0, 2, 2, {}}, {15, 0, 3, 5, {}},
        {9, 0, 4, 5, {}},  {20, 0, 2, 4, {}}, {12, 0, 3, 4, {}},
    };
    for (const auto& r : requests) {
        SCOPED_TRACE(nameOf(r));
        MakeOptions options;
        options.timeLimit = 20s;
        options.enoughBoards = KnownSizesFor(r).bestKnown;
        ASSERT_TRUE(options.enoughBoards);
        const MadeWheel made = MakeWheel(r, options);
        ASSERT_TRUE(made.known.bestKnown);
        EXPECT_TRUE(made.keepsPromise());
        EXPECT_EQ(static_cast<int>(made.boards.size()), *made.known.bestKnown);
    }
}

TEST(WheelMaker, NeverGivesMoreBoardsThanTheCatalogueForTheSameRequest) {
    // Large catalogue systems, which a short search alone would not reach.
    const std::pair<WheelRequest, std::size_t> requests[] = {
        {{25, 0, 3, 4, {}}, 151}, {{21, 0, 3, 3, {}}, 171}, {{11, 1, 5, 5, {}}, 210}};
    for (const auto& [r, catalogue] : requests) {
        SCOPED_TRACE(nameOf(r));
        const MadeWheel made = make(r, 200ms);
        EXPECT_TRUE(made.keepsPromise());
        EXPECT_LE(made.boards.size(), catalogue);
    }
}

TEST(WheelMaker, WithTooFewBoardsItCoversTheShareItReportsAndNoMore) {
    const WheelRequest requests[] = {{15, 0, 3, 5, 5}, {12, 0, 3, 3, 10}, {11, 1, 4, 5, 6}};
    for (const auto& r : requests) {
        SCOPED_TRACE(nameOf(r));
        const MadeWheel made = make(r, 300ms);
        ASSERT_TRUE(made.fault.empty());
        ASSERT_TRUE(WellFormed(made.boards, r.numbers, r.fixed));
        EXPECT_LE(static_cast<int>(made.boards.size()), *r.boardCap);
        const auto naive = NaiveProof(made.boards, r.numbers, r.fixed, r.k, r.m);
        EXPECT_FALSE(made.keepsPromise());
        EXPECT_EQ(made.proof.cases, naive.cases);
        EXPECT_EQ(made.proof.casesMet, naive.met);
        EXPECT_LT(naive.met, naive.cases);
        // Ten boards of 12 numbers meet at most 100 of the 220 triples: no better than 0.45.
        EXPECT_GT(made.proof.shareMet(), 0.4);
    }
}

TEST(WheelMaker, KeepsWithinTheCapHoweverSoonTheDeadlineComes) {
    const WheelRequest r{30, 0, 3, 5, 20};
    const MadeWheel made = make(r, 1ms);
    ASSERT_FALSE(made.boards.empty());
    EXPECT_LE(made.boards.size(), 20u);
    EXPECT_TRUE(WellFormed(made.boards, r.numbers, r.fixed));
    EXPECT_GT(made.proof.casesMet, 0);
}

TEST(WheelMaker, ACapAboveWhatThePromiseNeedsGivesAProvenWheelWithinIt) {
    const WheelRequest r{15, 0, 3, 5, 20};
    const MadeWheel made = make(r, 300ms);
    EXPECT_TRUE(made.keepsPromise());
    EXPECT_LE(made.boards.size(), 20u);
    const auto naive = NaiveProof(made.boards, r.numbers, r.fixed, r.k, r.m);
    EXPECT_EQ(naive.met, naive.cases);
}

TEST(WheelMaker, AStopRequestEndsTheSearchWithTheBestWheelSoFar) {
    // A request whose lower bound is far out of reach, and an hour to search: only the stop
    // request can end it.
    std::atomic<bool> stop{false};
    MakeOptions options;
    options.timeLimit = std::chrono::hours(1);
    options.stop = &stop;
    int reports = 0;
    options.progress = [&](const WheelProgress& p) {
        ++reports;
        if (p.boards > 0)
            stop = true;
    };
    const WheelRequest r{30, 0, 3, 5, {}};
    const MadeWheel made = MakeWheel(r, options);
    EXPECT_TRUE(made.stopped);
    EXPECT_GE(reports, 1);
    EXPECT_TRUE(made.keepsPromise());
    EXPECT_TRUE(WellFormed(made.boards, r.numbers, r.fixed));
}

TEST(WheelMaker, TheDeadlineEndsTheSearchWithAProvenWheel) {
    const WheelRequest r{30, 0, 3, 5, {}};
    MakeOptions options;
    options.timeLimit = 300ms;
    options.threads = 2;
    WheelProgress last;
    options.progress = [&](const WheelProgress& p) { last = p; };
    const MadeWheel made = MakeWheel(r, options);
    EXPECT_FALSE(made.stopped);
    EXPECT_TRUE(made.keepsPromise());
    EXPECT_GE(made.seconds, 0.3);
    // The last report is the wheel handed back.
    EXPECT_EQ(last.boards, static_cast<int>(made.boards.size()));
    EXPECT_TRUE(last.keepsPromise);
    EXPECT_EQ(last.shareMet, 1.0);
}

TEST(WheelMaker, RefusesRequestsItCannotMake) {
    const WheelRequest requests[] = {
        {5, 0, 3, 3, {}},  {40, 0, 3, 3, {}}, {12, 0, 1, 3, {}}, {12, 0, 4, 3, {}},
        {12, 0, 3, 6, {}}, {12, 5, 3, 5, {}}, {12, 4, 3, 3, {}}, {12, 0, 3, 3, 0},
    };
    for (const auto& r : requests) {
        SCOPED_TRACE(nameOf(r));
        EXPECT_FALSE(RequestFault(r).empty());
        const MadeWheel made = make(r, 10ms);
        EXPECT_FALSE(made.fault.empty());
        EXPECT_TRUE(made.boards.empty());
    }
}

TEST(WheelProof, CountsWhatTheSecondProofCountsOnWheelsThatFail) {
    // Boards that keep no promise in full: the proof must count exactly the cases they meet.
    const std::vector<BoardPositions> boards = {
        {1, 2, 3, 4, 5}, {1, 2, 6, 7, 8}, {1, 3, 6, 9, 10}, {1, 4, 7, 9, 11}, {1, 5, 8, 10, 11}};
    const WheelRequest requests[] = {{11, 0, 3, 3, {}},
                                     {11, 1, 3, 4, {}},
                                     {11, 0, 2, 5, {}},
                                     {11, 1, 4, 5, {}},
                                     {11, 0, 3, 5, {}}};
    for (const auto& r : requests) {
        SCOPED_TRACE(nameOf(r));
        const WheelProof proof = ProveWheel(boards, r);
        const auto naive = NaiveProof(boards, r.numbers, r.fixed, r.k, r.m);
        EXPECT_TRUE(proof.shapeFault.empty());
        EXPECT_EQ(proof.cases, naive.cases);
        EXPECT_EQ(proof.casesMet, naive.met);
    }
}

// `count` distinct boards of 1..v drawn by a fixed rule, each holding 1..f.
std::vector<BoardPositions> scatteredBoards(int v, int f, int count) {
    std::vector<BoardPositions> boards;
    std::set<std::set<int>> seen;
    unsigned seed = 12345;
    while (static_cast<int>(boards.size()) < count) {
        std::set<int> numbers;
        for (int i = 1; i <= f; ++i)
            numbers.insert(i);
        while (numbers.size() < 5) {
            seed = seed * 1103515245u + 12345u;
            numbers.insert(static_cast<int>((seed >> 16) % static_cast<unsigned>(v)) + 1);
        }
        if (!seen.insert(numbers).second)
            continue;
        BoardPositions board{};
        std::copy(numbers.begin(), numbers.end(), board.begin());
        boards.push_back(board);
    }
    return boards;
}

TEST(WheelProof, CountsWhatTheSecondProofCountsOnManyBoards) {
    // Few boards and many, so that the proof goes both ways: marking per board, and asking each
    // case (by the numbers themselves up to "3 if m", by rank beyond).
    const WheelRequest requests[] = {{14, 0, 2, 5, {}}, {14, 0, 3, 5, {}}, {14, 0, 2, 4, {}},
                                     {14, 0, 3, 4, {}}, {14, 1, 3, 5, {}}, {14, 1, 4, 5, {}},
                                     {14, 0, 4, 5, {}}, {14, 0, 3, 3, {}}};
    for (const auto& r : requests) {
        SCOPED_TRACE(nameOf(r));
        // With one fixed number, 14 numbers make only 715 boards.
        for (const int count : {3, 12, 60, r.fixed == 0 ? 1000 : 500}) {
            const auto boards = scatteredBoards(r.numbers, r.fixed, count);
            const WheelProof proof = ProveWheel(boards, r);
            const auto naive = NaiveProof(boards, r.numbers, r.fixed, r.k, r.m);
            EXPECT_TRUE(proof.shapeFault.empty());
            EXPECT_EQ(proof.cases, naive.cases);
            EXPECT_EQ(proof.casesMet, naive.met) << count << " boards";
        }
    }
}

TEST(WheelProof, FindsBoardsOfTheWrongShape) {
    const WheelRequest r{9, 1, 3, 3, {}};
    const std::vector<std::vector<BoardPositions>> wrong = {
        {},                                 // no board
        {{1, 2, 3, 4, 10}},                 // a number outside 1..9
        {{1, 2, 3, 4, 4}},                  // a number twice
        {{2, 3, 4, 5, 6}},                  // without the fixed number
        {{1, 2, 3, 4, 5}, {5, 4, 3, 2, 1}}, // the same board twice
    };
    for (const auto& boards : wrong)
        EXPECT_FALSE(ProveWheel(boards, r).shapeFault.empty());
}

TEST(WheelRecords, GiveTheBestKnownSizeAndTheLowerBound) {
    const auto known = KnownSizesFor({22, 0, 3, 5, {}});
    ASSERT_TRUE(known.bestKnown);
    EXPECT_EQ(*known.bestKnown, 40);
    EXPECT_EQ(known.lowerBound, 22);
    EXPECT_FALSE(known.source.empty());
    // Where no wheel is known, only the bound.
    const auto unknown = KnownSizesFor({30, 0, 3, 4, {}});
    EXPECT_FALSE(unknown.bestKnown);
    EXPECT_EQ(unknown.lowerBound, 135);
    // Fixed numbers make another problem, which the records do not hold; the bound is counted.
    const auto fixed = KnownSizesFor({10, 1, 5, 5, {}});
    EXPECT_FALSE(fixed.bestKnown);
    EXPECT_EQ(fixed.lowerBound, 126);
    EXPECT_EQ(WheelRecords().size(), 9u * 34u);
}

} // namespace
} // namespace orvane::wheelmaker
