#include "support/printed_pages.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <gtest/gtest.h>

namespace orvane::test {
namespace {

constexpr int kRasterDpi = 300;

double toCm(double pixels) {
    return pixels / kRasterDpi * 2.54;
}
int toPixels(double cm) {
    return static_cast<int>(cm / 2.54 * kRasterDpi);
}

} // namespace

std::vector<QImage> RasterizePdf(const QString& pdf) {
    if (!QFile::exists(pdf)) {
        ADD_FAILURE() << "nothing was printed to " << pdf.toStdString();
        return {};
    }
    const QString prefix = pdf + QStringLiteral("-page");
    QProcess pdftoppm;
    pdftoppm.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QString::number(kRasterDpi),
                                                QStringLiteral("-gray"), pdf, prefix});
    if (!pdftoppm.waitForFinished(60000) || pdftoppm.exitCode() != 0) {
        ADD_FAILURE() << "pdftoppm failed: " << pdftoppm.readAllStandardError().toStdString();
        return {};
    }
    // pdftoppm pads the page number to the width of the last one.
    std::vector<QImage> pages;
    for (int n = 1;; ++n) {
        QImage page;
        for (int width = 1; width <= 3 && page.isNull(); ++width)
            page = QImage(prefix + QStringLiteral("-%1.pgm").arg(n, width, 10, QLatin1Char('0')));
        if (page.isNull())
            break;
        pages.push_back(page.convertToFormat(QImage::Format_Grayscale8));
    }
    return pages;
}

std::optional<InkBox> InkWithin(const QImage& page, double left, double top, double right,
                                double bottom) {
    int minX = page.width(), maxX = -1, minY = page.height(), maxY = -1;
    for (int y = std::max(0, toPixels(top)); y < std::min(page.height(), toPixels(bottom)); ++y) {
        const uchar* row = page.constScanLine(y);
        for (int x = std::max(0, toPixels(left)); x < std::min(page.width(), toPixels(right));
             ++x) {
            if (row[x] >= 128)
                continue;
            minX = std::min(minX, x);
            maxX = std::max(maxX, x);
            minY = std::min(minY, y);
            maxY = std::max(maxY, y);
        }
    }
    if (maxX < 0)
        return std::nullopt;
    return InkBox{toCm(minX), toCm(maxX + 1), toCm(minY), toCm(maxY + 1)};
}

void ExpectBar(const QImage& page, const char* mark, double x, double y) {
    SCOPED_TRACE(::testing::Message() << mark << " expected at (" << x << ", " << y << ") cm");
    const std::optional<InkBox> ink = InkWithin(page, x - 0.2, y - 0.2, x + 0.37, y + 0.2);
    ASSERT_TRUE(ink.has_value()) << "no mark there";
    EXPECT_NEAR(ink->left, x, kInkTolerance);
    EXPECT_NEAR(ink->right, x + 0.17, kInkTolerance);
    EXPECT_NEAR(ink->middle(), y, kInkTolerance);
    EXPECT_NEAR(ink->bottom - ink->top, 0.15, kInkTolerance);
}

void ExpectNoBar(const QImage& page, const char* mark, double x, double y) {
    // Half a pitch around the box in each direction, so a neighbour's bar is not seen here.
    EXPECT_FALSE(InkWithin(page, x - 0.2, y - 0.15, x + 0.37, y + 0.15).has_value())
        << mark << ": ink where no mark belongs, at (" << x << ", " << y << ") cm";
}

} // namespace orvane::test
