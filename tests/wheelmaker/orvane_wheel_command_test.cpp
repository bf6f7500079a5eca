// orvane-wheel, run as a player runs it: its output, its summary and its exit status.

#include "desktop/shell_commands.h"
#include "wheelmaker/naive_proof.h"

#include <gtest/gtest.h>

#include <sstream>

namespace orvane::test {
namespace {

struct WheelRun {
    int status = -1;
    std::string out;
    std::string err;
};

WheelRun runWheel(const std::string& arguments) {
    const auto folder = std::filesystem::temp_directory_path() /
                        ("orvane-wheel-test-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const auto out = folder / "out";
    const auto err = folder / "err";
    // In a group of its own, so that runCommand's joining of the two streams does not reach it.
    const auto result =
        runCommand("{ " + shellQuoted(ORVANE_WHEEL_PROGRAM) + " " + arguments + " >" +
                   shellQuoted(out.string()) + " 2>" + shellQuoted(err.string()) + "; }");
    WheelRun run{result.status, contentsOf(out), contentsOf(err)};
    std::filesystem::remove_all(folder);
    return run;
}

std::vector<BoardPositions> boardsOf(const std::string& text) {
    std::vector<BoardPositions> boards;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream numbers(line);
        BoardPositions board{};
        int n = 0;
        std::size_t i = 0;
        while (numbers >> n && i < board.size())
            board[i++] = static_cast<std::uint8_t>(n);
        EXPECT_EQ(i, board.size()) << line;
        boards.push_back(board);
    }
    return boards;
}

int lineCount(const std::string& text) {
    return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

TEST(OrvaneWheelCommand, PrintsAProvenWheelAndExitsWithZero) {
    struct Case {
        const char* arguments;
        int v, f, k, m;
    };
    const Case cases[] = {
        {"12 3 4 --seconds 1", 12, 0, 3, 4},
        {"10 5 5 --fixed 1 --seconds 1", 10, 1, 5, 5},
        {"16 2 3 --seconds 0.5", 16, 0, 2, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments);
        const WheelRun run = runWheel(c.arguments);
        EXPECT_EQ(run.status, 0) << run.err;
        const auto boards = boardsOf(run.out);
        EXPECT_TRUE(WellFormed(boards, c.v, c.f));
        const auto naive = NaiveProof(boards, c.v, c.f, c.k, c.m);
        EXPECT_EQ(naive.met, naive.cases);
        // One summary line, on standard error, that gives the boards and the proof.
        EXPECT_EQ(lineCount(run.err), 1) << run.err;
        EXPECT_NE(run.err.find(std::to_string(boards.size()) + " boards"), std::string::npos)
            << run.err;
        EXPECT_NE(run.err.find("proven"), std::string::npos) << run.err;
    }
}

TEST(OrvaneWheelCommand, ExitsWithOneWhenTheBoardsAllowedCoverOnlyAShare) {
    const WheelRun run = runWheel("15 3 5 --boards 4 --seconds 0.5");
    EXPECT_EQ(run.status, 1) << run.err;
    const auto boards = boardsOf(run.out);
    EXPECT_LE(boards.size(), 4u);
    EXPECT_TRUE(WellFormed(boards, 15, 0));
    const auto naive = NaiveProof(boards, 15, 0, 3, 5);
    EXPECT_LT(naive.met, naive.cases);
    EXPECT_NE(run.err.find("kept in " + std::to_string(naive.met) + " of " +
                           std::to_string(naive.cases) + " cases"),
              std::string::npos)
        << run.err;
}

TEST(OrvaneWheelCommand, RefusesWrongArgumentsWithAUsageLineAndExitTwo) {
    const char* wrong[] = {
        "",                     // nothing
        "12 3",                 // M missing
        "12 3 4 5",             // one too many
        "12 x 4",               // not a number
        "5 3 3",                // too few numbers
        "12 4 3",               // k above m
        "12 3 3 --fixed 4",     // more fixed numbers than m
        "12 3 3 --boards 0",    // no board
        "12 3 3 --seconds -1",  // no time
        "12 3 3 --seconds",     // a value missing
        "12 3 3 --colour blue", // unknown option
    };
    for (const char* arguments : wrong) {
        SCOPED_TRACE(arguments);
        const WheelRun run = runWheel(arguments);
        EXPECT_EQ(run.status, 2);
        EXPECT_TRUE(run.out.empty());
        EXPECT_NE(run.err.find("usage: orvane-wheel V K M"), std::string::npos) << run.err;
    }
}

} // namespace
} // namespace orvane::test
