#pragma once
// Reading printed paper back: the pages of a PDF as 300 dpi greyscale images, and where the ink
// lies on them, in centimetres from the paper's corner.

#include <QImage>
#include <QString>
#include <optional>
#include <vector>

namespace orvane::test {

// How far a mark may land from where it belongs, in centimetres.
constexpr double kInkTolerance = 0.03;

// Every page of the PDF at `pdf`, rasterized with pdftoppm next to it; a test failure and no
// pages when that fails.
std::vector<QImage> RasterizePdf(const QString& pdf);

// The bounding box of the dark pixels inside a box of the page.
struct InkBox {
    double left, right, top, bottom;
    double middle() const { return (top + bottom) / 2; }
};
std::optional<InkBox> InkWithin(const QImage& page, double left, double top, double right,
                                double bottom);

// Checks that a bar 0.17 cm long and 0.15 cm thick has its left end at x and its middle at y.
void ExpectBar(const QImage& page, const char* mark, double x, double y);

// Checks that no ink covers the box whose bar would start at x with its middle at y.
void ExpectNoBar(const QImage& page, const char* mark, double x, double y);

} // namespace orvane::test
