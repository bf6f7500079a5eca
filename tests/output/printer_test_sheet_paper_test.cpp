// The printer test sheet printed through Qt's CUPS backend to a private scheduler's PDF queue,
// then rasterized, to see where its boxes, bars and rulers land on the paper.
#include "output/printer_test_sheet.h"
#include "output/real_printer_fixture.h"
#include "settings/app_settings.h"
#include "support/printed_pages.h"

#include <QProcess>
#include <gtest/gtest.h>
#include <optional>

namespace orvane::test {

namespace {

class PrinterTestSheetPaperTest : public RealPrinterTest {
  protected:
    // Prints the sheet with these adjustments and returns its one page.
    QImage printSheet(int horizontal, int vertical) {
        AppSettings settings;
        settings.horizontalOffset = horizontal;
        settings.verticalOffset = vertical;
        PrintPrinterTestSheet(canvas, settings, prompts);
        EXPECT_TRUE(prompts.shown.empty());
        const std::vector<QImage> pages = printedPages();
        EXPECT_EQ(pages.size(), 1u);
        return pages.empty() ? QImage() : pages[0];
    }

    // The text of the printed page.
    QString printedText() {
        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"),
                        {scheduler.path(QStringLiteral("printed.pdf")), QStringLiteral("-")});
        EXPECT_TRUE(pdftotext.waitForFinished(60000));
        return QString::fromUtf8(pdftotext.readAllStandardOutput()).simplified();
    }
};

// The outline of the box of the bar at (x, y) cm: 0.05 cm around the bar on every side, nothing
// between it and the bar, and inside it the bar or nothing.
void ExpectBox(const QImage& page, const char* box, double x, double y, bool withBar) {
    SCOPED_TRACE(::testing::Message() << box << " expected around (" << x << ", " << y << ") cm");
    // Clear of the neighbouring boxes and of the ruler's ticks stopping 0.1 cm short of the box.
    const std::optional<InkBox> outline = InkWithin(page, x - 0.12, y - 0.2, x + 0.35, y + 0.2);
    ASSERT_TRUE(outline.has_value()) << "no box there";
    const double outside = kTestSheetLineWidth / 2;
    EXPECT_NEAR(outline->left, x - 0.05 - outside, kInkTolerance);
    EXPECT_NEAR(outline->right, x + 0.22 + outside, kInkTolerance);
    EXPECT_NEAR(outline->top, y - 0.125 - outside, kInkTolerance);
    EXPECT_NEAR(outline->bottom, y + 0.125 + outside, kInkTolerance);
    // An outline, not a blot: white inside it, apart from the bar.
    EXPECT_FALSE(InkWithin(page, x - 0.025, y - 0.1, x - 0.01, y + 0.1).has_value())
        << "ink between the outline's left side and the bar";
    EXPECT_FALSE(InkWithin(page, x + 0.185, y - 0.1, x + 0.2, y + 0.1).has_value())
        << "ink between the bar and the outline's right side";
    EXPECT_FALSE(InkWithin(page, x - 0.025, y - 0.105, x + 0.195, y - 0.09).has_value())
        << "ink between the outline's top and the bar";
    const std::optional<InkBox> bar = InkWithin(page, x - 0.025, y - 0.1, x + 0.195, y + 0.1);
    if (!withBar) {
        EXPECT_FALSE(bar.has_value()) << "a bar where none belongs";
        return;
    }
    ASSERT_TRUE(bar.has_value()) << "no bar in the box";
    EXPECT_NEAR(bar->left, x, kInkTolerance);
    EXPECT_NEAR(bar->right, x + 0.17, kInkTolerance);
    EXPECT_NEAR(bar->middle(), y, kInkTolerance);
    EXPECT_NEAR(bar->bottom - bar->top, 0.15, kInkTolerance);
}

// The boxes the test looks at and the bars in them, before any adjustment.
struct SheetBox {
    const char* box;
    double x, y;
    bool withBar;
};

constexpr double kSixth = 5 * 2.387;
const SheetBox kSheetBoxes[] = {
    {"board 1, main 1", 0.5, 2.49, true},
    {"board 1, main 2", 1.13, 2.49, false},
    {"board 1, main 39", 4.28, 4.03, true},
    {"board 1, Thunderball 1", 6.17, 2.49, true},
    {"board 1, Thunderball 3", 5.54, 2.875, false},
    {"board 1, Thunderball 14", 7.43, 3.645, true},
    {"board 3, main 20", 2.39, 2.49 + 2 * 2.387 + 2 * 0.385, false},
    {"board 6, main 1", 0.5, 2.49 + kSixth, true},
    {"board 6, main 39", 4.28, 4.03 + kSixth, true},
    {"board 6, Thunderball 1", 6.17, 2.49 + kSixth, true},
    {"board 6, Thunderball 14", 7.43, 3.645 + kSixth, true},
};

// A tick of the top ruler `mm` millimetres from the paper's left edge, reaching `reach` cm down
// from its top edge; or of the left ruler, from the paper's top edge and its left edge.
void ExpectTopTick(const QImage& page, int mm, double reach) {
    SCOPED_TRACE(::testing::Message() << "top ruler, " << mm << " mm");
    const double x = mm / 10.0;
    // Below the shorter ticks on either side, above the numbers.
    const std::optional<InkBox> tick = InkWithin(page, x - 0.04, reach - 0.15, x + 0.04, 1.22);
    ASSERT_TRUE(tick.has_value());
    EXPECT_NEAR((tick->left + tick->right) / 2, x, kInkTolerance);
    EXPECT_NEAR(tick->bottom, reach, kInkTolerance);
}

void ExpectLeftTick(const QImage& page, int mm, double reach) {
    SCOPED_TRACE(::testing::Message() << "left ruler, " << mm << " mm");
    const double y = mm / 10.0;
    const std::optional<InkBox> tick = InkWithin(page, reach - 0.15, y - 0.04, 1.22, y + 0.04);
    ASSERT_TRUE(tick.has_value());
    EXPECT_NEAR(tick->middle(), y, kInkTolerance);
    EXPECT_NEAR(tick->right, reach, kInkTolerance);
}

void ExpectRulers(const QImage& page) {
    ExpectTopTick(page, 50, 1.2);
    ExpectTopTick(page, 45, 1.0);
    ExpectTopTick(page, 47, 0.8);
    ExpectTopTick(page, 150, 1.2);
    ExpectLeftTick(page, 200, 1.2);
    ExpectLeftTick(page, 205, 1.0);
    ExpectLeftTick(page, 213, 0.8);
    // The numbers of the centimetres, below the top ruler's ticks and right of the left one's.
    EXPECT_TRUE(InkWithin(page, 4.8, 1.25, 5.2, 1.7).has_value()) << "no 5 on the top ruler";
    EXPECT_TRUE(InkWithin(page, 1.25, 19.8, 1.7, 20.2).has_value()) << "no 20 on the left ruler";
}

TEST_F(PrinterTestSheetPaperTest, BoxesBarsAndRulersLandWhereTheyBelong) {
    addTicketPrinter();
    const QImage page = printSheet(0, 0);
    ASSERT_FALSE(page.isNull());
    for (const SheetBox& b : kSheetBoxes)
        ExpectBox(page, b.box, b.x, b.y, b.withBar);
    ExpectRulers(page);
    // The instructions, right of the boards.
    EXPECT_TRUE(InkWithin(page, 9.0 - kInkTolerance, 2.3, 20, 8).has_value());
    EXPECT_FALSE(InkWithin(page, 8.0, 2.0, 9.0 - kInkTolerance, 29).has_value())
        << "ink between the boards and the instructions";
    const QString text = printedText();
    EXPECT_TRUE(text.contains(QStringLiteral("PRINTER TEST SHEET"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("TICKET THUNDERBALL UK"))) << text.toStdString();
    EXPECT_TRUE(
        text.contains(QStringLiteral("Current adjustments: horizontal 0 mm, vertical 0 mm")))
        << text.toStdString();
}

// 3 mm right and 2 mm up: every box and bar moves by exactly that, the rulers stay where they
// are on the paper.
TEST_F(PrinterTestSheetPaperTest, BoxesAndBarsMoveWithTheAdjustmentsAndTheRulersStay) {
    addTicketPrinter();
    const QImage still = printSheet(0, 0);
    ASSERT_FALSE(still.isNull());
    const QImage moved = printSheet(3, -2);
    ASSERT_FALSE(moved.isNull());
    for (const SheetBox& b : kSheetBoxes)
        ExpectBox(moved, b.box, b.x + 0.3, b.y - 0.2, b.withBar);
    ExpectRulers(moved);
    // The top ruler with its numbers, and the left one below the boards, are the same to the
    // pixel.
    const auto strip = [](const QImage& page, double left, double top, double right,
                          double bottom) {
        const auto px = [](double cm) { return static_cast<int>(cm / 2.54 * 300); };
        return page.copy(px(left), px(top), px(right) - px(left), px(bottom) - px(top));
    };
    EXPECT_EQ(strip(moved, 0, 0, 21, 1.8), strip(still, 0, 0, 21, 1.8));
    EXPECT_EQ(strip(moved, 0, 16.6, 2, 29.7), strip(still, 0, 16.6, 2, 29.7));
    EXPECT_TRUE(printedText().contains(
        QStringLiteral("Current adjustments: horizontal 3 mm, vertical -2 mm")));
}

} // namespace
} // namespace orvane::test
