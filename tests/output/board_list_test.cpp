#include "output/board_list.h"

#include "output/sample_selection.h"
#include "support/recording_canvas.h"
#include "tests/doubles/scripted_prompts.h"

#include <gtest/gtest.h>

namespace orvane::test {
namespace {

// A run whose current board holds the given numbers, built by the run itself from a system of
// five numbers: system 4's full wheel of six numbers, board 1 being its five smallest.
class BoardLineTest : public ::testing::Test {
  protected:
    const BoardRun& boardOf(std::initializer_list<int> mains,
                            std::initializer_list<int> thunderballs) {
        std::vector<int> selected(mains);
        selected.push_back(kMainNumbers); // a sixth number, the largest, left off board 1
        session.systemList.choose(session.systemList.positionOfSystem(4));
        session.grid.ClearCells(CellRange::All);
        for (int c : selected)
            session.grid.setState(c, kSelected);
        for (int t : thunderballs)
            session.grid.setState(ThunderballCell(t), kSelected);
        session.run.RebuildPlayOrder(session.grid);
        session.run.StartRun(CurrentSystemIndex(session.systemList));
        session.run.BuildBoard(1, session.grid);
        return session.run;
    }

    Session session;
};

TEST_F(BoardLineTest, FormatsTheListWindowLine) {
    struct Case {
        int k;
        std::initializer_list<int> mains, thunderballs;
        int gridStyle;
        const char* line;
    };
    const Case cases[] = {
        {7, {3, 7, 12, 20, 33}, {5}, 0, "T: 007: MB :-03-07-12-20-33 T :-5"},
        {5, {1, 2, 3, 4, 5}, {14}, 1, "T: 005: MB :-01-02-03-04-05 T :-14"},
        {99, {10, 11, 12, 13, 14}, {1}, 0, "T: 099: MB :-10-11-12-13-14 T :-1"},
        {100, {3, 7, 12, 20, 33}, {3, 9}, 0, "T: 100: MB :-03-07-12-20-33 T :-3-9"},
        {1234, {3, 7, 12, 20, 33}, {5}, 0, "T: 1234: MB :-03-07-12-20-33 T :-5"},
        {1, {1, 14, 27, 36, 37}, {5}, 2, "T: 001: MB :-C  6-T 10-CA A-P  A- T :-5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(BoardListLine(c.k, boardOf(c.mains, c.thunderballs), c.gridStyle), c.line);
    }
}

TEST_F(BoardLineTest, FormatsThePrintedLineWithNumbersWhateverTheGridStyle) {
    session.settings.gridStyle = 2;
    EXPECT_EQ(PrintedBoardLine(7, boardOf({3, 7, 12, 20, 33}, {5})),
              "Ticket :7 MAIN BOARD : 3 ,7 ,12 ,20 ,33 TH.: 5");
    EXPECT_EQ(PrintedBoardLine(100, boardOf({1, 2, 3, 4, 5}, {3, 9})),
              "Ticket :100 MAIN BOARD : 1 ,2 ,3 ,4 ,5 TH.: 3 ,9");
}

TEST(CardLabelTest, NamesTheCardOfEachNumber) {
    const std::pair<int, const char*> cases[] = {
        {1, "C  6"},  {9, "C  A"},  {10, "T  6"}, {14, "T 10"}, {24, "CA V"},
        {27, "CA A"}, {35, "P  R"}, {36, "P  A"}, {37, ""},     {39, ""}};
    for (const auto& [m, label] : cases) {
        SCOPED_TRACE(m);
        EXPECT_EQ(CardLabel(m), label);
    }
}

TEST(FillBoardListTest, ListsEveryBoardOfTheChosenSystem) {
    Session session;
    MarkFixed39(session, {2});
    const std::vector<std::string> lines =
        FillBoardList(session.boards(), session.settings.gridStyle);
    ASSERT_EQ(lines.size(), 15u);
    EXPECT_EQ(lines.front(), "T: 001: MB :-01-02-03-04-39 T :-2");
    EXPECT_EQ(lines[5], "T: 006: MB :-01-02-05-06-39 T :-2");
    EXPECT_EQ(lines.back(), "T: 015: MB :-03-04-05-06-39 T :-2");
    EXPECT_EQ(session.run.boardCount(), 15);
    EXPECT_EQ(session.run.currentBoardNumber(), 1);
}

class PrintBoardListTest : public ::testing::Test {
  protected:
    Session session;
    RecordingCanvas canvas;
    ScriptedPrompts prompts;
};

TEST_F(PrintBoardListTest, PrintsTheCentredTitleThenALineEveryTwoSteps) {
    MarkFixed39(session, {2});
    PrintBoardList(session.boards(), canvas, prompts);
    ASSERT_EQ(canvas.texts.size(), 16u);
    const RecordingCanvas::Text& title = canvas.texts[0];
    EXPECT_EQ(title.text, "BOARDS TO PLAY");
    EXPECT_EQ(title.font, "Times New Roman 24");
    EXPECT_EQ(title.x, (4800 - 140) / 2);
    EXPECT_EQ(title.y, 50);
    // Title height 96; line step L = 40 + 10.
    const RecordingCanvas::Text& first = canvas.texts[1];
    EXPECT_EQ(first.font, "Times New Roman 10");
    EXPECT_EQ(first.x, 10);
    EXPECT_EQ(first.y, 50 + 96 + 2 * 50);
    EXPECT_EQ(first.text, "Ticket :1 MAIN BOARD : 1 ,2 ,3 ,4 ,39 TH.: 2");
    EXPECT_EQ(canvas.texts[2].y, first.y + 100);
    EXPECT_EQ(canvas.pages, 1);
    EXPECT_EQ(canvas.documentsEnded, 1);
}

TEST_F(PrintBoardListTest, BreaksThePageBelowThreeStepsFromTheBottom) {
    MarkFixed39(session, {2});
    // Lines at 246, 346, 446, 546; after the fourth y = 646 > 700 - 150.
    canvas.height = 700;
    PrintBoardList(session.boards(), canvas, prompts);
    ASSERT_EQ(canvas.texts.size(), 16u);
    EXPECT_EQ(canvas.texts[4].y, 546);
    EXPECT_EQ(canvas.texts[4].page, 1);
    EXPECT_EQ(canvas.texts[5].page, 2);
    EXPECT_EQ(canvas.texts[5].y, 4 * 50);
    EXPECT_EQ(canvas.texts[5].text.rfind("Ticket :5 ", 0), 0u);
    EXPECT_EQ(canvas.texts.back().text.rfind("Ticket :15 ", 0), 0u);
    // Pages of 4 lines after the first: 4 + 4 + 4 + 3, and no blank sheet after the last line.
    EXPECT_EQ(canvas.pages, 4);
}

TEST_F(PrintBoardListTest, ASystemWithoutBoardsPrintsOnlyTheTitle) {
    MarkFixed39(session, {2});
    session.systemList.choose(-1);
    PrintBoardList(session.boards(), canvas, prompts);
    ASSERT_EQ(canvas.texts.size(), 1u);
    EXPECT_EQ(canvas.texts[0].text, "BOARDS TO PLAY");
    EXPECT_EQ(canvas.pages, 1);
    EXPECT_EQ(canvas.documentsEnded, 1);
}

TEST_F(PrintBoardListTest, APrinterThatRefusesIsReported) {
    MarkFixed39(session, {2});
    canvas.refusal = "No printer is installed.";
    PrintBoardList(session.boards(), canvas, prompts);
    EXPECT_TRUE(canvas.texts.empty());
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].caption, "Problem !!");
}

} // namespace
} // namespace orvane::test
