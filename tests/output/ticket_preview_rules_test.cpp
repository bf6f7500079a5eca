// What the preview is built from: the pages ticket printing draws, recorded as the printer would
// get them, the paper ticket's boxes, and the marks a printer cannot reach.
#include "output/recorded_pages.h"
#include "output/ticket_layout.h"
#include "output/ticket_printing.h"

#include "output/sample_selection.h"
#include "support/recording_canvas.h"
#include "tests/doubles/scripted_prompts.h"

#include <gtest/gtest.h>

namespace orvane::test {
namespace {

class TicketPreviewRulesTest : public ::testing::Test {
  protected:
    void SetUp() override { MarkFixed39(session, {1, 14}); }

    std::vector<std::string> offThePage(int first, int last, bool numberOnTop) {
        return TicketMarksOffThePage(session.boards(), session.settings, printer, 1, first, last,
                                     numberOnTop);
    }

    Session session;
    RecordingCanvas printer;
    ScriptedPrompts prompts;
};

// The preview shows what the printer gets: the same calls, page for page, in the same order.
TEST_F(TicketPreviewRulesTest, RecordedPagesAreWhatThePrinterGets) {
    printer.offsetX = 25;
    printer.offsetY = 31;
    printer.dpiY = 300;
    session.settings.horizontalOffset = 3;
    session.settings.verticalOffset = -2;
    PageRecorder recorder(printer);
    PrintTickets(session.boards(), session.settings, recorder, prompts, 1, PrintMode::AllAtOnce, 2,
                 14, true);
    PrintTickets(session.boards(), session.settings, printer, prompts, 1, PrintMode::AllAtOnce, 2,
                 14, true);

    const RecordedDocument& document = recorder.document();
    EXPECT_EQ(printer.documentsBegun, 1) << "recording started no job on the printer";
    ASSERT_EQ(document.pages.size(), 3u);
    EXPECT_EQ(document.geometry.dpiX, 600);
    EXPECT_EQ(document.geometry.dpiY, 300);
    EXPECT_EQ(document.geometry.offsetX, 25);
    EXPECT_EQ(document.geometry.offsetY, 31);
    EXPECT_EQ(document.geometry.pageWidth, printer.width);

    std::size_t line = 0, text = 0;
    for (std::size_t p = 0; p < document.pages.size(); ++p) {
        for (const DrawnMark& mark : document.pages[p].marks) {
            SCOPED_TRACE("page " + std::to_string(p + 1));
            if (mark.kind == DrawnMark::Kind::Line) {
                ASSERT_LT(line, printer.lines.size());
                const RecordingCanvas::Line& printed = printer.lines[line++];
                EXPECT_EQ(printed.page, static_cast<int>(p) + 1);
                EXPECT_EQ(
                    std::tie(mark.x1, mark.y1, mark.x2, mark.y2, mark.penWidth),
                    std::tie(printed.x1, printed.y1, printed.x2, printed.y2, printed.penWidth));
            } else {
                ASSERT_LT(text, printer.texts.size());
                const RecordingCanvas::Text& printed = printer.texts[text++];
                EXPECT_EQ(printed.page, static_cast<int>(p) + 1);
                EXPECT_EQ(std::tie(mark.x1, mark.y1, mark.text),
                          std::tie(printed.x, printed.y, printed.text));
                EXPECT_EQ(mark.face + " " + std::to_string(mark.pointSize) +
                              (mark.bold ? " bold" : ""),
                          printed.font);
            }
        }
    }
    EXPECT_EQ(line, printer.lines.size());
    EXPECT_EQ(text, printer.texts.size());
}

TEST(TicketBoxesTest, EveryBoxHoldsTheBarDrawnForItsNumber) {
    const TicketLayout& layout = TicketLayouts().front();
    const std::vector<TicketBox> boxes = TicketBoxes(layout);
    ASSERT_EQ(boxes.size(), 6u * (39 + 14));
    struct Case {
        int board;
        bool thunderball;
        int number;
        double barX, barY; // where ticket printing starts the number's bar
    };
    const Case cases[] = {
        {1, false, 1, 0.5, 2.49},
        {1, false, 39, 4.28, 4.03},
        {1, true, 1, 6.17, 2.49},
        {1, true, 3, 5.54, 2.875},
        {6, false, 1, 0.5, 2.49 + 5 * 2.387},
        {6, true, 14, 0.5 + 11 * 0.63, 2.49 + 3 * 0.385 + 5 * 2.387},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.board) + (c.thunderball ? " T" : " M") +
                     std::to_string(c.number));
        const auto box = std::find_if(boxes.begin(), boxes.end(), [&](const TicketBox& b) {
            return b.board == c.board && b.thunderball == c.thunderball && b.number == c.number;
        });
        ASSERT_NE(box, boxes.end());
        EXPECT_NEAR(box->box.left, c.barX - kBoxMargin, 1e-9);
        EXPECT_NEAR(box->box.right, c.barX + 0.17 + kBoxMargin, 1e-9);
        EXPECT_NEAR(box->box.top, c.barY - 0.075 - kBoxMargin, 1e-9);
        EXPECT_NEAR(box->box.bottom, c.barY + 0.075 + kBoxMargin, 1e-9);
    }
    // Neighbouring boxes never touch, so a mark is in one box or none.
    for (std::size_t i = 0; i < boxes.size(); ++i)
        for (std::size_t j = i + 1; j < boxes.size(); ++j)
            EXPECT_FALSE(
                boxes[i].box.left < boxes[j].box.right && boxes[j].box.left < boxes[i].box.right &&
                boxes[i].box.top < boxes[j].box.bottom && boxes[j].box.top < boxes[i].box.bottom)
                << i << " and " << j;
}

// Board 1 holds 1 2 3 4 39, board 6 holds 1 2 5 6 39; both Thunderballs 1 and 14.
TEST_F(TicketPreviewRulesTest, NamesTheMarksOutsideThePrintableArea) {
    struct Case {
        const char* why;
        int offsetX, offsetY; // the printer's unprintable margins, in pixels at 600 dpi
        int width, height;    // its printable area
        int horizontalMm, verticalMm;
        bool numberOnTop;
        std::vector<std::string> expected;
    };
    const std::vector<Case> cases = {
        {"everything within reach", 100, 100, 4800, 6800, 0, 0, true, {}},
        // 0.50 cm is 118 pixels: a margin of 0.55 cm loses column 1 of every board.
        {"a wide left margin",
         130,
         100,
         4800,
         6800,
         0,
         0,
         false,
         {"main number 1 on board 1 of the ticket", "main number 1 on board 2 of the ticket",
          "main number 1 on board 3 of the ticket", "main number 1 on board 4 of the ticket",
          "main number 1 on board 5 of the ticket", "main number 1 on board 6 of the ticket"}},
        // 1.0 cm is 236 pixels: the number on top goes with a margin past it.
        {"a top margin past the number on top",
         100,
         240,
         4800,
         6800,
         0,
         0,
         true,
         {"the board number on top"}},
        // The page ends above the bottom of the sixth board's last two rows.
        {"a short page",
         0,
         0,
         4800,
         3690,
         0,
         0,
         false,
         {"main number 39 on board 6 of the ticket", "Thunderball 14 on board 6 of the ticket"}},
        {"an adjustment to the right off the page's edge",
         0,
         0,
         1700,
         6800,
         15,
         0,
         false,
         {"Thunderball 1 on board 1 of the ticket", "Thunderball 14 on board 1 of the ticket",
          "Thunderball 1 on board 2 of the ticket", "Thunderball 14 on board 2 of the ticket",
          "Thunderball 1 on board 3 of the ticket", "Thunderball 14 on board 3 of the ticket",
          "Thunderball 1 on board 4 of the ticket", "Thunderball 14 on board 4 of the ticket",
          "Thunderball 1 on board 5 of the ticket", "Thunderball 14 on board 5 of the ticket",
          "Thunderball 1 on board 6 of the ticket", "Thunderball 14 on board 6 of the ticket"}},
        {"an adjustment upwards off the top",
         0,
         0,
         4800,
         6800,
         0,
         -25,
         true,
         {"the board number on top", "main number 1 on board 1 of the ticket",
          "main number 2 on board 1 of the ticket", "main number 3 on board 1 of the ticket",
          "main number 4 on board 1 of the ticket", "Thunderball 1 on board 1 of the ticket",
          "main number 5 on board 1 of the ticket", "main number 6 on board 1 of the ticket"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        printer.offsetX = c.offsetX;
        printer.offsetY = c.offsetY;
        printer.width = c.width;
        printer.height = c.height;
        session.settings.horizontalOffset = c.horizontalMm;
        session.settings.verticalOffset = c.verticalMm;
        EXPECT_EQ(offThePage(1, 15, c.numberOnTop), c.expected);
    }
}

TEST_F(TicketPreviewRulesTest, LooksOnlyAtTheBoardsOfTheRange) {
    printer.offsetX = 130; // column 1 is out of reach
    const std::vector<std::string> off = offThePage(15, 15, false);
    EXPECT_EQ(off, std::vector<std::string>{}); // board 15 is 3 4 5 6 39 with no 1
    EXPECT_EQ(offThePage(1, 1, false),
              std::vector<std::string>{"main number 1 on board 1 of the ticket"});
}

TEST(MarksOutOfReachPromptTest, NamesThemAndAsksBeforePrinting) {
    const Prompt p = MarksOutOfReachPrompt(
        {"main number 1 on board 1 of the ticket", "the board number on top"});
    EXPECT_NE(p.text.find("main number 1 on board 1 of the ticket, the board number on top."),
              std::string::npos);
    EXPECT_NE(p.text.find("Options > Parameters"), std::string::npos);
    EXPECT_EQ(p.caption, "Tickets printing");
    EXPECT_EQ(p.buttons, PromptButtons::OkCancel);
}

} // namespace
} // namespace orvane::test
