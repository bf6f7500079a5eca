// Tickets and lists printed through Qt's CUPS backend to a private scheduler's PDF queue, then
// rasterized, to see where the marks land on the paper.
#include "output/board_list.h"
#include "output/cups_queue.h"
#include "output/print_failure.h"
#include "output/printer_trouble.h"
#include "output/qt_print_canvas.h"
#include "output/real_printer_fixture.h"
#include "output/sample_selection.h"
#include "output/ticket_printing.h"
#include "support/printed_pages.h"
#include "support/private_cups_scheduler.h"
#include "tests/doubles/scripted_prompts.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTest>
#include <gtest/gtest.h>
#include <optional>

namespace orvane::test {

namespace {

// With 39 fixed and 1..6 in system 8, board 1 holds 1 2 3 4 39 and board 6 holds 1 2 5 6 39,
// all with Thunderballs 1 and 3.
TEST_F(RealPrinterTest, TicketMarksLandOnTheirBoxes) {
    addTicketPrinter();
    MarkFixed39(session, {1, 3});
    PrintTickets(session.boards(), session.settings, canvas, prompts, 1, PrintMode::AllAtOnce, 1, 7,
                 true);
    EXPECT_TRUE(prompts.shown.empty());

    const std::vector<QImage> pages = printedPages();
    ASSERT_EQ(pages.size(), 2u);
    const double sixth = 5 * 2.387;
    ExpectBar(pages[0], "main 1", 0.5, 2.49);
    ExpectBar(pages[0], "main 39", 4.28, 4.03);
    ExpectBar(pages[0], "Thunderball 1", 6.17, 2.49);
    ExpectBar(pages[0], "Thunderball 3", 5.54, 2.875);
    ExpectBar(pages[0], "board 6, main 1", 0.5, 2.49 + sixth);
    ExpectBar(pages[0], "board 6, main 39", 4.28, 4.03 + sixth);
    ExpectBar(pages[0], "board 6, Thunderball 3", 5.54, 2.875 + sixth);
    // Board 7 opens the second ticket, in the first board's place.
    ExpectBar(pages[1], "board 7, main 1", 0.5, 2.49);
    EXPECT_FALSE(InkWithin(pages[1], 0, 2.49 + 2.387 - 0.3, 21, 29.7).has_value());
    // The board number on top, its corner at 1 cm / 1 cm.
    const std::optional<InkBox> number = InkWithin(pages[0], 0.8, 0.8, 2.0, 1.8);
    ASSERT_TRUE(number.has_value());
    EXPECT_GE(number->left, 1.0 - kInkTolerance);
    EXPECT_GE(number->top, 1.0 - kInkTolerance);
    EXPECT_LT(number->right, 1.5);
}

TEST_F(RealPrinterTest, HorizontalAdjustmentMovesEveryMarkOneCentimetreRight) {
    addTicketPrinter();
    session.settings.horizontalOffset = 10;
    MarkFixed39(session, {1, 3});
    PrintTickets(session.boards(), session.settings, canvas, prompts, 1, PrintMode::AllAtOnce, 1, 6,
                 false);

    const std::vector<QImage> pages = printedPages();
    ASSERT_EQ(pages.size(), 1u);
    const double sixth = 5 * 2.387;
    ExpectBar(pages[0], "main 1", 1.5, 2.49);
    ExpectBar(pages[0], "main 39", 5.28, 4.03);
    ExpectBar(pages[0], "Thunderball 1", 7.17, 2.49);
    ExpectBar(pages[0], "Thunderball 3", 6.54, 2.875);
    ExpectBar(pages[0], "board 6, main 1", 1.5, 2.49 + sixth);
    EXPECT_FALSE(InkWithin(pages[0], 0, 0, 1.4, 29.7).has_value())
        << "ink left of the shifted marks";
}

TEST_F(RealPrinterTest, TheListIsPrintedWithItsTitle) {
    addTicketPrinter();
    MarkFixed39(session, {1, 3});
    PrintBoardList(session.boards(), canvas, prompts);
    EXPECT_TRUE(prompts.shown.empty());
    ASSERT_TRUE(QTest::qWaitFor([this] { return scheduler.allJobsDone(); }, 60000));

    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"),
                    {QStringLiteral("-layout"), scheduler.path(QStringLiteral("printed.pdf")),
                     QStringLiteral("-")});
    ASSERT_TRUE(pdftotext.waitForFinished(60000));
    const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
    EXPECT_TRUE(text.contains(QStringLiteral("BOARDS TO PLAY"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Ticket :1 MAIN BOARD : 1 ,2 ,3 ,4 ,39 TH.: 1 ,3")))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Ticket :15 MAIN BOARD : 3 ,4 ,5 ,6 ,39 TH.: 1 ,3")))
        << text.toStdString();
}

// Stopping after each ticket, the player takes each printed ticket out before feeding the next,
// then cancels at the third: boards 1..6 and 7..12 have come out, and nothing after them.
TEST_F(RealPrinterTest, StopAfterEachTicketPrintsEachTicketBeforeAskingForTheNext) {
    addTicketPrinter();
    MarkFixed39(session, {1, 3});
    std::vector<std::vector<QImage>> ticketsTakenOut;
    prompts.answers = {PromptAnswer::Ok, PromptAnswer::Cancel};
    prompts.whenAsked = [this, &ticketsTakenOut](const Prompt&) {
        const int ticketsSent = static_cast<int>(prompts.shown.size());
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return scheduler.allJobsDone() && scheduler.completedJobs() == ticketsSent; },
            30000))
            << "ticket " << ticketsSent << " has not come out of the printer";
        ticketsTakenOut.push_back(RasterizePdf(scheduler.path(QStringLiteral("printed.pdf"))));
    };
    PrintTickets(session.boards(), session.settings, canvas, prompts, 1, PrintMode::TicketByTicket,
                 1, 15, false);

    ASSERT_EQ(prompts.shown.size(), 2u);
    EXPECT_EQ(prompts.shown[1], NextTicketPrompt());
    ASSERT_EQ(ticketsTakenOut.size(), 2u);
    const double sixth = 5 * 2.387;
    for (std::size_t ticket = 0; ticket < ticketsTakenOut.size(); ++ticket) {
        SCOPED_TRACE(::testing::Message() << "ticket " << ticket + 1);
        ASSERT_EQ(ticketsTakenOut[ticket].size(), 1u);
        const QImage& sheet = ticketsTakenOut[ticket][0];
        ExpectBar(sheet, "first board, main 1", 0.5, 2.49);
        ExpectBar(sheet, "first board, Thunderball 1", 6.17, 2.49);
        ExpectBar(sheet, "sixth board, main 39", 4.28, 4.03 + sixth);
        ExpectBar(sheet, "sixth board, Thunderball 3", 5.54, 2.875 + sixth);
    }
    // Cancel sent no further job: the last sheet out is still the second ticket.
    ASSERT_TRUE(QTest::qWaitFor([this] { return scheduler.allJobsDone(); }, 30000));
    EXPECT_EQ(scheduler.completedJobs(), 2);
    const std::vector<QImage> last = printedPages();
    ASSERT_EQ(last.size(), 1u);
    ExpectBar(last[0], "second ticket, first board, main 1", 0.5, 2.49);
}

TEST_F(RealPrinterTest, WithoutAPrinterThePlayerIsToldAndNothingIsPrinted) {
    MarkFixed39(session, {1});
    PrintTickets(session.boards(), session.settings, canvas, prompts, 1, PrintMode::AllAtOnce, 1,
                 15, false);
    PrintBoardList(session.boards(), canvas, prompts);
    ASSERT_EQ(prompts.shown.size(), 2u);
    for (const Prompt& shown : prompts.shown)
        EXPECT_EQ(shown, PrintingFailedPrompt(NoPrinterInstalled()));
    // Installing a printer afterwards is enough: the next document finds it.
    addTicketPrinter();
    PrintTickets(session.boards(), session.settings, canvas, prompts, 1, PrintMode::AllAtOnce, 1, 1,
                 false);
    EXPECT_EQ(prompts.shown.size(), 2u);
    const std::vector<QImage> pages = printedPages();
    ASSERT_EQ(pages.size(), 1u);
    ExpectBar(pages[0], "main 1", 0.5, 2.49);
}

TEST_F(RealPrinterTest, WithThePrintServiceDownThePlayerIsToldSo) {
    addTicketPrinter();
    scheduler.stop();
    MarkFixed39(session, {1});
    PrintTickets(session.boards(), session.settings, canvas, prompts, 1, PrintMode::AllAtOnce, 1,
                 15, false);
    PrintBoardList(session.boards(), canvas, prompts);
    ASSERT_EQ(prompts.shown.size(), 2u);
    for (const Prompt& shown : prompts.shown)
        EXPECT_EQ(shown, PrintingFailedPrompt(PrintServiceUnreachable()));
    EXPECT_FALSE(QFile::exists(scheduler.path(QStringLiteral("printed.pdf"))));
}

TEST_F(RealPrinterTest, PrintersWithoutADefaultAreNamedWithHowToChooseOne) {
    ASSERT_TRUE(scheduler.addPdfPrinter(QStringLiteral("Tickets"), QStringLiteral("printed.pdf")))
        << scheduler.failure().toStdString();
    ASSERT_TRUE(scheduler.addPdfPrinter(QStringLiteral("Labels"), QStringLiteral("labels.pdf")))
        << scheduler.failure().toStdString();
    MarkFixed39(session, {1});
    PrintTickets(session.boards(), session.settings, canvas, prompts, 1, PrintMode::AllAtOnce, 1,
                 15, false);
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0], PrintingFailedPrompt(NoDefaultPrinter({"Labels", "Tickets"})));
    ASSERT_TRUE(QTest::qWaitFor([this] { return scheduler.allJobsDone(); }, 60000));
    EXPECT_EQ(scheduler.completedJobs(), 0);
}

// Why Qt found no default printer, as the scheduler sees it at each step. A default that the
// scheduler names but Qt did not find cannot be used from here.
TEST_F(RealPrinterTest, AMissingDefaultPrinterIsExplainedFromTheSchedulersView) {
    EXPECT_EQ(MissingDefaultPrinter(), NoPrinterInstalled());
    ASSERT_TRUE(scheduler.addPdfPrinter(QStringLiteral("Tickets"), QStringLiteral("printed.pdf")))
        << scheduler.failure().toStdString();
    EXPECT_EQ(MissingDefaultPrinter(), NoDefaultPrinter({"Tickets"}));
    ASSERT_TRUE(
        scheduler.addDefaultPdfPrinter(QStringLiteral("Labels"), QStringLiteral("labels.pdf")))
        << scheduler.failure().toStdString();
    EXPECT_EQ(MissingDefaultPrinter(), PrinterUnusable("Labels"));
    scheduler.stop();
    EXPECT_EQ(MissingDefaultPrinter(), PrintServiceUnreachable());
}

TEST_F(RealPrinterTest, APausedQueueHoldsTheTicketsAndThePlayerIsTold) {
    addTicketPrinter();
    ASSERT_TRUE(scheduler.pauseQueue(QStringLiteral("Tickets")))
        << scheduler.failure().toStdString();
    MarkFixed39(session, {1, 3});
    PrintTickets(session.boards(), session.settings, canvas, prompts, 1, PrintMode::AllAtOnce, 1, 7,
                 false);
    EXPECT_EQ(prompts.shown, std::vector<Prompt>{PrintingWaitsPrompt(QueuePaused("Tickets"))});
    // A paused queue holds its jobs until it is resumed, however long that takes.
    EXPECT_FALSE(scheduler.allJobsDone());
    EXPECT_FALSE(QFile::exists(scheduler.path(QStringLiteral("printed.pdf"))));

    ASSERT_TRUE(scheduler.resumeQueue(QStringLiteral("Tickets")))
        << scheduler.failure().toStdString();
    const std::vector<QImage> pages = printedPages();
    ASSERT_EQ(pages.size(), 2u);
    ExpectBar(pages[0], "main 1", 0.5, 2.49);
    ExpectBar(pages[1], "board 7, main 1", 0.5, 2.49);
}

// Told that the queue is paused before the next ticket is asked for, the player resumes it, takes
// the first ticket out and feeds the second.
TEST_F(RealPrinterTest, StopAfterEachTicketOnAPausedQueueIsToldBeforeTheNextTicket) {
    addTicketPrinter();
    ASSERT_TRUE(scheduler.pauseQueue(QStringLiteral("Tickets")))
        << scheduler.failure().toStdString();
    MarkFixed39(session, {1});
    std::vector<Prompt> toldBeforeTheNextTicket;
    prompts.whenAsked = [&](const Prompt& prompt) {
        if (prompt != NextTicketPrompt())
            return;
        toldBeforeTheNextTicket = prompts.shown;
        ASSERT_TRUE(scheduler.resumeQueue(QStringLiteral("Tickets")))
            << scheduler.failure().toStdString();
        EXPECT_TRUE(QTest::qWaitFor([this] { return scheduler.completedJobs() == 1; }, 30000))
            << "the first ticket never came out";
    };
    PrintTickets(session.boards(), session.settings, canvas, prompts, 1, PrintMode::TicketByTicket,
                 1, 7, false);
    EXPECT_EQ(
        toldBeforeTheNextTicket,
        (std::vector<Prompt>{PrintingWaitsPrompt(QueuePaused("Tickets")), NextTicketPrompt()}));
    EXPECT_EQ(prompts.shown.size(), 2u) << "the second ticket printed at once";
    const std::vector<QImage> pages = printedPages();
    EXPECT_EQ(scheduler.completedJobs(), 2);
    ASSERT_EQ(pages.size(), 1u);
    ExpectBar(pages[0], "board 7, main 1", 0.5, 2.49);
}

TEST_F(RealPrinterTest, AQueueThatRefusesJobsIsReportedBeforeAnythingIsDrawn) {
    addTicketPrinter();
    ASSERT_TRUE(scheduler.rejectJobs(QStringLiteral("Tickets")))
        << scheduler.failure().toStdString();
    MarkFixed39(session, {1});
    PrintTickets(session.boards(), session.settings, canvas, prompts, 1, PrintMode::AllAtOnce, 1,
                 15, false);
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text,
              "Nothing was printed. The printer \"Tickets\" does not accept jobs at the moment.");
    ASSERT_TRUE(QTest::qWaitFor([this] { return scheduler.allJobsDone(); }, 60000));
    EXPECT_FALSE(QFile::exists(scheduler.path(QStringLiteral("printed.pdf"))));
}

TEST_F(RealPrinterTest, AJobRefusedWhenHandedOverIsReported) {
    addTicketPrinter();
    ASSERT_TRUE(canvas.beginDocument().ok);
    canvas.setPenWidth(10);
    canvas.line(0, 0, 100, 0);
    ASSERT_TRUE(scheduler.rejectJobs(QStringLiteral("Tickets")))
        << scheduler.failure().toStdString();
    const PrintJobStatus end = canvas.endDocument();
    EXPECT_FALSE(end.ok);
    EXPECT_EQ(end.reason.rfind("The printer \"Tickets\" refused the job: ", 0), 0u) << end.reason;
}

} // namespace
} // namespace orvane::test
