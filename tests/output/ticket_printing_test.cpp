#include "output/print_failure.h"
#include "output/ticket_layout.h"
#include "output/ticket_printing.h"

#include "output/sample_selection.h"
#include "support/recording_canvas.h"
#include "tests/doubles/scripted_prompts.h"

#include <deque>
#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <tuple>

namespace orvane::test {
namespace {

using Line = RecordingCanvas::Line;

class TicketPrintingTest : public ::testing::Test {
  protected:
    void print(int first, int last, PrintMode mode = PrintMode::AllAtOnce,
               bool numberOnTop = false) {
        PrintTickets(session.boards(), session.settings, canvas, prompts, 1, mode, first, last,
                     numberOnTop);
    }
    // The bars drawn on `page`, in drawing order.
    std::vector<Line> barsOn(int page) const {
        std::vector<Line> bars;
        for (const Line& l : canvas.lines)
            if (l.page == page)
                bars.push_back(l);
        return bars;
    }
    // Whether a bar starts at (x, y) on `page`.
    bool hasBarAt(int page, int x, int y) const {
        for (const Line& l : canvas.lines)
            if (l.page == page && l.x1 == x && l.y1 == y)
                return true;
        return false;
    }

    Session session;
    RecordingCanvas canvas;
    ScriptedPrompts prompts;
};

TEST(TicketLayoutTest, HoldsTheThunderballTicket) {
    ASSERT_EQ(TicketLayouts().size(), 1u);
    const TicketLayout& t = TicketLayouts()[0];
    EXPECT_STREQ(t.layoutName, "TICKET THUNDERBALL UK");
    EXPECT_EQ(t.originX, 0.5);
    EXPECT_EQ(t.originY, 2.49);
    EXPECT_EQ(t.columnPitch, 0.63);
    EXPECT_EQ(t.rowPitch, 0.385);
    EXPECT_EQ(t.boardPitch, 2.387);
    EXPECT_EQ(t.boardsPerTicket(), 6);
}

TEST(TicketLayoutTest, PlacesNumbersInTheirBlocks) {
    struct Case {
        bool thunderball;
        int number, column, row;
    };
    const Case cases[] = {{false, 1, 1, 1},  {false, 8, 8, 1}, {false, 9, 1, 2}, {false, 33, 1, 5},
                          {false, 39, 7, 5}, {true, 1, 2, 1},  {true, 2, 3, 1},  {true, 3, 1, 2},
                          {true, 6, 4, 2},   {true, 7, 1, 3},  {true, 11, 1, 4}, {true, 14, 4, 4}};
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << (c.thunderball ? "Thunderball " : "main ") << c.number);
        const BoxPlace box = c.thunderball ? ThunderballBox(c.number) : MainNumberBox(c.number);
        EXPECT_EQ(box.column, c.column);
        EXPECT_EQ(box.row, c.row);
    }
}

TEST(CmToPrinterPixelsTest, RoundsTiesToEven) {
    RecordingCanvas canvas;
    const AppSettings settings;
    // 1.27 cm is exactly half an inch, so these land exactly on halves.
    const std::pair<int, int> dpiAndPixels[] = {{1, 0}, {3, 2}, {5, 2}, {7, 4}};
    for (const auto& [dpi, pixels] : dpiAndPixels) {
        SCOPED_TRACE(dpi);
        canvas.dpiX = dpi;
        EXPECT_EQ(CmToPrinterPixels(canvas, settings, Axis::Horizontal, 1.27), pixels);
    }
}

TEST(CmToPrinterPixelsTest, ReadsThePrinterOnEveryCall) {
    RecordingCanvas canvas;
    AppSettings settings;
    EXPECT_EQ(CmToPrinterPixels(canvas, settings, Axis::Vertical, 2.54), 600);
    canvas.dpiY = 300;
    canvas.offsetY = 50;
    settings.verticalOffset = -254;
    EXPECT_EQ(CmToPrinterPixels(canvas, settings, Axis::Vertical, 2.54), 300 - 50 - 3000);
    settings.horizontalOffset = 10;
    EXPECT_EQ(CmToPrinterPixels(canvas, settings, Axis::Horizontal, 0), 236);
}

// At 254 dpi a centimetre is 100 pixels and a millimetre of adjustment 10, so the edges of the
// device's coordinates can be reached exactly.
TEST(CmToPrinterPixelsTest, HasNoPixelsBeyondTheReachOfTheDevice) {
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    struct Case {
        std::int32_t adjustment;
        int printingOffset;
        std::optional<int> pixels; // of 0 cm
    };
    const Case cases[] = {
        {214'748'364, -7, kMax},         {214'748'364, -8, std::nullopt}, {-214'748'364, 8, kMin},
        {-214'748'364, 9, std::nullopt}, {kMax, 0, std::nullopt},         {kMin, 0, std::nullopt},
        {kMax, kMax, std::nullopt},      {kMin, kMin, std::nullopt},
    };
    for (const Axis axis : {Axis::Horizontal, Axis::Vertical}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(::testing::Message()
                         << (axis == Axis::Horizontal ? "horizontal " : "vertical ") << c.adjustment
                         << " mm, offset " << c.printingOffset);
            RecordingCanvas canvas;
            canvas.dpiX = canvas.dpiY = 254;
            canvas.offsetX = canvas.offsetY = c.printingOffset;
            AppSettings settings;
            settings.horizontalOffset = settings.verticalOffset = c.adjustment;
            EXPECT_EQ(CmToPrinterPixels(canvas, settings, axis, 0), c.pixels);
        }
    }
}

// The marks of board 1 and board 6 of one ticket, in device pixels, for two printers.
struct MarkCase {
    const char* printer;
    int dpi, offsetX, offsetY, horizontalOffset, verticalOffset;
    struct Bar {
        const char* mark;
        int x1, x2, y, width;
    };
    std::vector<Bar> bars;
};

class TicketMarksTest : public TicketPrintingTest,
                        public ::testing::WithParamInterface<MarkCase> {};

TEST_P(TicketMarksTest, LandOnTheirBoxes) {
    const MarkCase& c = GetParam();
    canvas.dpiX = canvas.dpiY = c.dpi;
    canvas.offsetX = c.offsetX;
    canvas.offsetY = c.offsetY;
    session.settings.horizontalOffset = c.horizontalOffset;
    session.settings.verticalOffset = c.verticalOffset;
    MarkFixed39(session, {1, 3});
    print(1, 6);

    for (const MarkCase::Bar& bar : c.bars) {
        SCOPED_TRACE(bar.mark);
        const auto found =
            std::find_if(canvas.lines.begin(), canvas.lines.end(),
                         [&](const Line& l) { return l.x1 == bar.x1 && l.y1 == bar.y; });
        ASSERT_NE(found, canvas.lines.end());
        EXPECT_EQ(found->x2, bar.x2);
        EXPECT_EQ(found->y2, bar.y);
        EXPECT_EQ(found->penWidth, bar.width);
    }
    // Six boards of five main numbers and two Thunderball numbers each, all on one ticket.
    EXPECT_EQ(canvas.pages, 1);
    EXPECT_EQ(canvas.lines.size(), 6u * 7u);
}

INSTANTIATE_TEST_SUITE_P(
    Printers, TicketMarksTest,
    ::testing::Values(MarkCase{"600 dpi, no offsets",
                               600,
                               0,
                               0,
                               0,
                               0,
                               {{"main 1", 118, 158, 588, 36},
                                {"main 39", 1011, 1051, 952, 35},
                                {"Thunderball 1", 1457, 1498, 588, 36},
                                {"Thunderball 3", 1309, 1349, 679, 36},
                                {"board 6, main 1", 118, 158, 3407, 36},
                                {"board 6, main 39", 1011, 1051, 3771, 36}}},
                      MarkCase{"300 dpi, printing offset 20/30, adjusted 10 mm right and 5 mm up",
                               300,
                               20,
                               30,
                               10,
                               -5,
                               {{"main 1", 157, 177, 205, 18},
                                {"main 39", 604, 624, 387, 18},
                                {"Thunderball 1", 827, 847, 205, 18},
                                {"Thunderball 3", 752, 773, 251, 17},
                                {"board 6, main 1", 157, 177, 1615, 17},
                                {"board 6, main 39", 604, 624, 1797, 17}}}),
    [](const auto& info) { return "Printer" + std::to_string(info.index); });

// The parameters file may hold any adjustment. A mark, or the number on top, that the device
// cannot reach is not drawn at all, and whatever it can reach is drawn where the arithmetic puts
// it, on the paper or not.
TEST_F(TicketPrintingTest, MarksBeyondTheReachOfTheDeviceAreLeftOut) {
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    struct Case {
        const char* what;
        std::int32_t horizontalOffset, verticalOffset;
        std::size_t bars; // of the 7 of board 1 (main 1 2 3 4 39, Thunderballs 1 and 3)
        std::size_t texts;
    };
    const Case cases[] = {
        {"the largest adjustment right", kMax, 0, 0, 0},
        {"the largest adjustment left", kMin, 0, 0, 0},
        {"the largest adjustment down", 0, kMax, 0, 0},
        {"the largest adjustment up", 0, kMin, 0, 0},
        {"both at their largest", kMax, kMin, 0, 0},
        // Main 1 starts 50 px right of the adjustment's 2'147'483'590 px, within reach, and ends
        // 17 px further, beyond it; every other column lies further still.
        {"a bar starting within reach and ending beyond it", 214'748'359, 0, 0, 0},
        // The tops of the bars of row 1 (2.49 cm) are within reach, 15 px short of their
        // thickness; the lower rows are beyond it, the number on top (1 cm) is not.
        {"a bar's top within reach and its thickness beyond it", 0, 214'748'339, 0, 1},
        {"only the number on top within reach downwards", 0, 214'748'340, 0, 1},
        // 200'000'000 mm: 2'000'000'000 px, and every bar stays within reach.
        {"far off the paper but within reach", 200'000'000, 200'000'000, 7, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        canvas = RecordingCanvas{};
        canvas.dpiX = canvas.dpiY = 254;
        session.settings.horizontalOffset = c.horizontalOffset;
        session.settings.verticalOffset = c.verticalOffset;
        MarkFixed39(session, {1, 3});
        print(1, 1, PrintMode::AllAtOnce, true);
        EXPECT_EQ(canvas.documentsBegun, 1);
        EXPECT_EQ(canvas.documentsEnded, 1);
        EXPECT_EQ(canvas.lines.size(), c.bars);
        EXPECT_EQ(canvas.texts.size(), c.texts);
    }
    // Where the last case puts main 1: 2'000'000'000 px plus 0.5 cm, 2.49 cm and 0.17 cm long.
    ASSERT_FALSE(canvas.lines.empty());
    const Line& main1 = canvas.lines.front();
    EXPECT_EQ(main1.x1, 2'000'000'050);
    EXPECT_EQ(main1.x2, 2'000'000'067);
    EXPECT_EQ(main1.y1, 2'000'000'249);
    EXPECT_EQ(main1.penWidth, 15);
}

TEST_F(TicketPrintingTest, StartsANewTicketAfterSixBoards) {
    MarkFixed39(session, {1});
    print(1, 7);
    EXPECT_EQ(canvas.documentsBegun, 1);
    EXPECT_EQ(canvas.documentsEnded, 1);
    EXPECT_EQ(canvas.pages, 2);
    // Board 7 (1 2 3 6 39 in this system) sits in slot 1 of the second ticket.
    EXPECT_EQ(barsOn(2).size(), 6u);
    EXPECT_TRUE(hasBarAt(2, 118, 588)); // main 1, first board's row
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(TicketPrintingTest, CountsSlotsFromTheStartOfTheRange) {
    MarkFixed39(session, {1});
    print(4, 4, PrintMode::AllAtOnce, true);
    EXPECT_EQ(canvas.pages, 1);
    const std::vector<Line> bars = barsOn(1);
    ASSERT_EQ(bars.size(), 6u);
    for (const Line& bar : bars)
        EXPECT_LT(bar.y1, 1000) << "board 4 drawn below slot 1";
    ASSERT_EQ(canvas.texts.size(), 1u);
    EXPECT_EQ(canvas.texts[0].text, "4");
    EXPECT_EQ(canvas.texts[0].font, "Fixedsys 9 bold");
    EXPECT_EQ(canvas.texts[0].x, 236); // 1.0 cm at 600 dpi
    EXPECT_EQ(canvas.texts[0].y, 236);
}

TEST_F(TicketPrintingTest, TicketByTicketAsksBeforeEveryTicketAfterTheFirst) {
    MarkFixed39(session, {1});
    for (const auto& [last, questions] : {std::pair{6, 0}, {7, 1}, {12, 1}, {13, 2}}) {
        SCOPED_TRACE(last);
        prompts.shown.clear();
        print(1, last, PrintMode::TicketByTicket);
        EXPECT_EQ(prompts.shown.size(), static_cast<std::size_t>(questions));
        for (const Prompt& shown : prompts.shown)
            EXPECT_EQ(shown, NextTicketPrompt());
    }
    EXPECT_EQ(NextTicketPrompt().text, "Please insert next ticket and press OK");
    EXPECT_EQ(NextTicketPrompt().caption, "Tickets printing");
    EXPECT_EQ(NextTicketPrompt().buttons, PromptButtons::OkCancel);
    EXPECT_EQ(NextTicketPrompt().icon, PromptIcon::Question);
}

// What reached the printer for each ticket: its bars and board numbers, wherever the ticket's
// page lies (a page of the one job, or a job of its own).
struct PrintedTicket {
    std::vector<std::tuple<int, int, int, int, int>> bars;             // x1, y1, x2, y2, pen width
    std::vector<std::tuple<std::string, int, int, std::string>> texts; // font, x, y, text
};

std::vector<PrintedTicket> PrintedTickets(const RecordingCanvas& canvas, PrintMode mode) {
    std::vector<PrintedTicket> tickets;
    const auto ticketOf = [&](int document, int page) -> PrintedTicket& {
        const std::size_t index =
            static_cast<std::size_t>(mode == PrintMode::AllAtOnce ? page : document) - 1;
        if (tickets.size() <= index)
            tickets.resize(index + 1);
        return tickets[index];
    };
    for (const Line& l : canvas.lines)
        ticketOf(l.document, l.page).bars.emplace_back(l.x1, l.y1, l.x2, l.y2, l.penWidth);
    for (const RecordingCanvas::Text& t : canvas.texts)
        ticketOf(t.document, t.page).texts.emplace_back(t.font, t.x, t.y, t.text);
    return tickets;
}

TEST_F(TicketPrintingTest, TicketByTicketHandsEachTicketToThePrinterBeforeAskingForTheNext) {
    MarkFixed39(session, {1, 3});
    // At each prompt: the jobs handed over so far, and whether one is still open.
    std::vector<std::pair<int, bool>> atPrompts;
    prompts.whenAsked = [&](const Prompt&) {
        atPrompts.emplace_back(canvas.documentsEnded,
                               canvas.documentsBegun > canvas.documentsEnded);
    };
    print(1, 13, PrintMode::TicketByTicket, true);
    EXPECT_EQ(atPrompts, (std::vector<std::pair<int, bool>>{{1, false}, {2, false}}));
    EXPECT_EQ(canvas.documentsBegun, 3);
    EXPECT_EQ(canvas.pagesHandedOver, (std::vector<int>{1, 1, 1}));
}

TEST_F(TicketPrintingTest, BothModesPutEveryMarkInTheSamePlaceOnItsTicket) {
    const struct {
        PrintMode mode;
        std::vector<int> pagesHandedOver;
    } modes[] = {{PrintMode::AllAtOnce, {3}}, {PrintMode::TicketByTicket, {1, 1, 1}}};
    std::vector<std::vector<PrintedTicket>> printed;
    for (const auto& [mode, pagesHandedOver] : modes) {
        SCOPED_TRACE(static_cast<int>(mode));
        RecordingCanvas fresh;
        fresh.dpiX = fresh.dpiY = 300;
        fresh.offsetX = 20;
        fresh.offsetY = 30;
        session.settings.horizontalOffset = 10;
        session.settings.verticalOffset = -5;
        MarkFixed39(session, {1, 3});
        PrintTickets(session.boards(), session.settings, fresh, prompts, 1, mode, 2, 14, true);
        EXPECT_EQ(fresh.pagesHandedOver, pagesHandedOver);
        printed.push_back(PrintedTickets(fresh, mode));
    }
    ASSERT_EQ(printed[0].size(), 3u);
    EXPECT_EQ(printed[0][0].bars.size(), 6u * 7u);
    EXPECT_EQ(printed[0][2].bars.size(), 1u * 7u);
    EXPECT_EQ(printed[0][0].texts.size(), 6u);
    ASSERT_EQ(printed[1].size(), printed[0].size());
    for (std::size_t ticket = 0; ticket < printed[0].size(); ++ticket) {
        SCOPED_TRACE(::testing::Message() << "ticket " << ticket + 1);
        EXPECT_EQ(printed[1][ticket].bars, printed[0][ticket].bars);
        EXPECT_EQ(printed[1][ticket].texts, printed[0][ticket].texts);
    }
}

TEST_F(TicketPrintingTest, CancelPrintsNothingMore) {
    MarkFixed39(session, {1});
    const struct {
        std::deque<PromptAnswer> answers;
        std::size_t questions;
        std::vector<int> pagesHandedOver;
    } cases[] = {{{PromptAnswer::Cancel}, 1, {1}},
                 {{PromptAnswer::Ok, PromptAnswer::Cancel}, 2, {1, 1}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.questions);
        canvas = RecordingCanvas();
        prompts = ScriptedPrompts();
        prompts.answers = c.answers;
        print(1, 13, PrintMode::TicketByTicket);
        EXPECT_EQ(prompts.shown.size(), c.questions);
        // No job is begun for the refused ticket, so no blank sheet comes out.
        EXPECT_EQ(canvas.documentsBegun, canvas.documentsEnded);
        EXPECT_EQ(canvas.pagesHandedOver, c.pagesHandedOver);
        EXPECT_EQ(canvas.lines.size(), 36u * c.pagesHandedOver.size());
    }
}

TEST_F(TicketPrintingTest, TicketByTicketStopsAtTheFirstRefusedJobAndSaysWhatWasPrinted) {
    MarkFixed39(session, {1});
    // Refused when the first ticket is handed over: nothing printed, no ticket asked for.
    canvas.handOverRefusal = "The printer \"Tickets\" refused the job.";
    print(1, 13, PrintMode::TicketByTicket);
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0], PrintingFailedPrompt("The printer \"Tickets\" refused the job."));
    EXPECT_EQ(prompts.shown[0].text,
              "Nothing was printed. The printer \"Tickets\" refused the job.");
    EXPECT_EQ(canvas.documentsBegun, 1);

    // The queue stops taking jobs while the player feeds the second ticket.
    canvas = RecordingCanvas();
    prompts = ScriptedPrompts();
    prompts.whenAsked = [this](const Prompt&) { canvas.refusal = "No more."; };
    print(3, 15, PrintMode::TicketByTicket);
    ASSERT_EQ(prompts.shown.size(), 2u);
    EXPECT_EQ(prompts.shown[0], NextTicketPrompt());
    EXPECT_EQ(prompts.shown[1].text, "Only boards 3 to 8 were printed. No more.");
    EXPECT_EQ(prompts.shown[1].caption, "Problem !!");
    EXPECT_EQ(canvas.pagesHandedOver, std::vector<int>{1});

    // The second ticket is refused when handed over.
    canvas = RecordingCanvas();
    prompts = ScriptedPrompts();
    prompts.whenAsked = [this](const Prompt&) { canvas.handOverRefusal = "Refused."; };
    print(1, 15, PrintMode::TicketByTicket);
    ASSERT_EQ(prompts.shown.size(), 2u);
    EXPECT_EQ(prompts.shown[1].text, "Only boards 1 to 6 were printed. Refused.");
    EXPECT_EQ(canvas.documentsBegun, 2);
}

TEST_F(TicketPrintingTest, AHeldJobIsToldBeforeTheNextTicketIsAskedFor) {
    MarkFixed39(session, {1});
    canvas.waiting = "Paused.";
    print(1, 7, PrintMode::TicketByTicket);
    EXPECT_EQ(prompts.shown,
              (std::vector<Prompt>{PrintingWaitsPrompt("Paused."), NextTicketPrompt(),
                                   PrintingWaitsPrompt("Paused.")}));
    EXPECT_EQ(canvas.pagesHandedOver, (std::vector<int>{1, 1}));

    prompts.shown.clear();
    print(1, 7, PrintMode::AllAtOnce);
    EXPECT_EQ(prompts.shown, std::vector<Prompt>{PrintingWaitsPrompt("Paused.")});
}

TEST_F(TicketPrintingTest, DrawsOneBarPerThunderballNumber) {
    MarkFixed39(session, {1, 2, 3, 14});
    print(1, 1);
    // 0.5 + 8 pitches + (column - 1) pitches, row 1 at 2.49 cm and row 4 at 3.645 cm, at 600 dpi.
    EXPECT_TRUE(hasBarAt(1, 1457, 588)); // 1: column 2, row 1
    EXPECT_TRUE(hasBarAt(1, 1606, 588)); // 2: column 3, row 1
    EXPECT_TRUE(hasBarAt(1, 1309, 679)); // 3: column 1, row 2
    EXPECT_TRUE(hasBarAt(1, 1755, 861)); // 14: column 4, row 4
    EXPECT_EQ(canvas.lines.size(), 5u + 4u);
}

TEST_F(TicketPrintingTest, FallsBackToTheWholeSystemOutsideItsBoards) {
    MarkFixed39(session, {1});
    print(0, 3);
    EXPECT_EQ(canvas.pages, 3); // 15 boards
    EXPECT_EQ(canvas.lines.size(), 15u * 6u);
}

TEST_F(TicketPrintingTest, AnEmptyRangeStillBeginsAndEndsTheDocument) {
    MarkFixed39(session, {1});
    print(5, 4);
    EXPECT_EQ(canvas.documentsBegun, 1);
    EXPECT_EQ(canvas.documentsEnded, 1);
    EXPECT_TRUE(canvas.lines.empty());
}

TEST_F(TicketPrintingTest, APrinterThatRefusesIsReportedAndNothingIsDrawn) {
    MarkFixed39(session, {1});
    canvas.refusal = "No printer is installed.";
    print(1, 15);
    EXPECT_TRUE(canvas.lines.empty());
    EXPECT_EQ(canvas.documentsEnded, 0);
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text, "Nothing was printed. No printer is installed.");
}

TEST(PrintableRangeTest, RefusesRangesOutsideTheSystem) {
    struct Case {
        const char* first;
        const char* last;
        bool accepted;
    };
    const Case cases[] = {{"1", "15", true}, {"15", "15", true}, {"0", "15", false},
                          {"", "15", false}, {"1", "16", false}, {"9", "8", false},
                          {"3x", "4", true}, {"0007", "", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << '"' << c.first << "\" \"" << c.last << '"');
        EXPECT_EQ(IsPrintableRange(LeadingNumber(c.first), LeadingNumber(c.last), 15), c.accepted);
    }
}

} // namespace
} // namespace orvane::test
