// The preview against the paper: every mark the preview shows lands, printed through a CUPS
// queue and read back, on the same spot of the sheet; and a printer chosen in the print window
// is the one that prints.
#include "output/preview_page.h"
#include "output/real_printer_fixture.h"
#include "output/sample_selection.h"
#include "output/ticket_preview.h"
#include "output/ticket_printing.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>

namespace orvane::test {
namespace {

constexpr double kRasterDpi = 300; // as the printed pages are read back

using PreviewOnPaperTest = RealPrinterTest;

// The preview's page painted at the resolution the paper is read back at, without the ticket.
QImage PaintedPreview(const RecordedDocument& document, int page) {
    const QSizeF inches = PaperInches(document.geometry);
    QImage image(static_cast<int>(inches.width() * kRasterDpi),
                 static_cast<int>(inches.height() * kRasterDpi), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintRecordedPage(painter, document, page, QRectF(QPointF(0, 0), inches * kRasterDpi), false);
    painter.end();
    return image.convertToFormat(QImage::Format_Grayscale8);
}

TEST_F(PreviewOnPaperTest, EveryMarkOfThePreviewLandsOnThePaperWhereItIsShown) {
    ASSERT_TRUE(
        scheduler.addDefaultPdfPrinter(QStringLiteral("Tickets"), QStringLiteral("printed.pdf")))
        << scheduler.failure().toStdString();
    MarkFixed39(session, {1, 3});
    session.settings.horizontalOffset = 2;
    session.settings.verticalOffset = -1;
    const PreviewContent preview =
        TicketPreview(session.boards(), session.settings, canvas, prompts, 1, 1, 7, true);
    PrintTickets(session.boards(), session.settings, canvas, prompts, 1, PrintMode::AllAtOnce, 1, 7,
                 true);
    EXPECT_TRUE(prompts.shown.empty());

    const std::vector<QImage> paper = printedPages();
    const RecordedDocument& document = preview.document;
    ASSERT_EQ(paper.size(), document.pages.size());
    const PageGeometry& g = document.geometry;
    // The queue's page begins half an inch down: the number on top, 0.9 cm down, is beyond the
    // reach of a printer with such a margin, and the preview says so.
    const bool numberBeyondReach = g.offsetY > 0.9 / 2.54 * g.dpiY;
    EXPECT_EQ(preview.warnings, numberBeyondReach
                                    ? std::vector<std::string>{"the board number on top"}
                                    : std::vector<std::string>{});
    int bars = 0;
    for (std::size_t p = 0; p < paper.size(); ++p) {
        const QImage shown = PaintedPreview(document, static_cast<int>(p));
        for (const DrawnMark& mark : document.pages[p].marks) {
            // Where the mark is on the sheet, in centimetres from its corner.
            const double x = (mark.x1 + g.offsetX) * 2.54 / g.dpiX;
            const double y = (mark.y1 + g.offsetY) * 2.54 / g.dpiY;
            SCOPED_TRACE(::testing::Message()
                         << "page " << p + 1 << ", mark at " << x << ", " << y);
            if (mark.kind == DrawnMark::Kind::Line)
                ++bars;
            const bool bar = mark.kind == DrawnMark::Kind::Line;
            const double right = bar ? x + 0.37 : x + 1.0;
            const std::optional<InkBox> printed =
                InkWithin(paper[p], x - 0.2, y - 0.2, right, y + 0.5);
            const std::optional<InkBox> previewed =
                InkWithin(shown, x - 0.2, y - 0.2, right, y + 0.5);
            ASSERT_TRUE(printed.has_value());
            ASSERT_TRUE(previewed.has_value());
            EXPECT_NEAR(previewed->left, printed->left, kInkTolerance);
            EXPECT_NEAR(previewed->top, printed->top, kInkTolerance);
            if (bar) {
                EXPECT_NEAR(previewed->right, printed->right, kInkTolerance);
                EXPECT_NEAR(previewed->bottom, printed->bottom, kInkTolerance);
            }
        }
    }
    EXPECT_EQ(bars, 7 * 7); // five main numbers and two Thunderballs a board
    // And the paper has the marks where the ticket wants them, moved by the adjustments.
    ExpectBar(paper[0], "main 1", 0.7, 2.39);
    ExpectBar(paper[1], "board 7, Thunderball 3", 5.74, 2.775);
}

TEST_F(PreviewOnPaperTest, TheChosenPrinterPrintsAndOneThatIsGoneIsNamed) {
    ASSERT_TRUE(
        scheduler.addDefaultPdfPrinter(QStringLiteral("Office"), QStringLiteral("office.pdf")))
        << scheduler.failure().toStdString();
    ASSERT_TRUE(scheduler.addPdfPrinter(QStringLiteral("Tickets"), QStringLiteral("tickets.pdf")))
        << scheduler.failure().toStdString();
    MarkFixed39(session, {1});
    choice.name = "Tickets";
    PrintTickets(session.boards(), session.settings, canvas, prompts, 1, PrintMode::AllAtOnce, 1, 1,
                 false);
    EXPECT_TRUE(prompts.shown.empty());
    const std::vector<QImage> pages = printedPages(QStringLiteral("tickets.pdf"));
    ASSERT_EQ(pages.size(), 1u);
    ExpectBar(pages[0], "main 1", 0.5, 2.49);
    EXPECT_FALSE(QFile::exists(scheduler.path(QStringLiteral("office.pdf"))));

    choice.name = "Labels";
    PrintTickets(session.boards(), session.settings, canvas, prompts, 1, PrintMode::AllAtOnce, 1, 1,
                 false);
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_NE(prompts.shown[0].text.find("\"Labels\" is no longer installed"), std::string::npos)
        << prompts.shown[0].text;
}

} // namespace
} // namespace orvane::test
