#include "output/preview_page.h"

#include "output/ticket_layout.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <algorithm>

namespace orvane {

namespace {

constexpr double kCmPerInch = 2.54;
constexpr int kSheetMargin = 12; // screen pixels of grey round the sheet

const QColor kTicketInk(232, 150, 150);    // the ticket's own printing, faint
const QColor kReachOutline(120, 150, 200); // where the printer's reach ends

// The paper ticket's boxes and their printed numbers, in device pixels from the sheet's corner.
void PaintTicketUnderlay(QPainter& painter, const PageGeometry& g) {
    const double sx = g.dpiX / kCmPerInch;
    const double sy = g.dpiY / kCmPerInch;
    QFont numbers(QStringLiteral("Liberation Sans"));
    numbers.setPixelSize(std::max(1, static_cast<int>(0.17 * sy)));
    painter.setFont(numbers);
    painter.setBrush(Qt::NoBrush);
    painter.setBackgroundMode(Qt::TransparentMode);
    for (const TicketBox& box : TicketBoxes(TicketLayouts().front())) {
        const QRectF rect(QPointF(box.box.left * sx, box.box.top * sy),
                          QPointF(box.box.right * sx, box.box.bottom * sy));
        painter.setPen(QPen(kTicketInk, std::max(1.0, 0.012 * sx)));
        painter.drawRect(rect);
        painter.drawText(rect, Qt::AlignCenter, QString::number(box.number));
    }
}

void PaintMarks(QPainter& painter, const RecordedPage& page, const PageGeometry& g) {
    painter.setBackground(Qt::white);
    for (const DrawnMark& mark : page.marks) {
        if (mark.kind == DrawnMark::Kind::Line) {
            painter.setPen(QPen(Qt::black, mark.penWidth, Qt::SolidLine, Qt::FlatCap));
            painter.drawLine(mark.x1, mark.y1, mark.x2, mark.y2);
            continue;
        }
        // A point is 1/72 inch on the printer; the font is sized in its device pixels.
        QFont font(QString::fromStdString(mark.face));
        font.setPixelSize(std::max(1, mark.pointSize * g.dpiY / 72));
        font.setBold(mark.bold);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.setBackgroundMode(Qt::OpaqueMode);
        painter.drawText(QPointF(mark.x1, mark.y1 + QFontMetricsF(font).ascent()),
                         QString::fromStdString(mark.text));
        painter.setBackgroundMode(Qt::TransparentMode);
    }
}

} // namespace

QSizeF PaperInches(const PageGeometry& g) {
    if (g.dpiX <= 0 || g.dpiY <= 0)
        return {8.27, 11.69}; // A4, for a printer that reports nothing
    return {(g.pageWidth + 2.0 * g.offsetX) / g.dpiX, (g.pageHeight + 2.0 * g.offsetY) / g.dpiY};
}

namespace {

// Device pixels of the printer to `sheet`, with the origin at the sheet's corner.
void MapSheet(QPainter& painter, const PageGeometry& g, const QRectF& sheet) {
    const QSizeF inches = PaperInches(g);
    painter.translate(sheet.topLeft());
    painter.scale(sheet.width() / (inches.width() * g.dpiX),
                  sheet.height() / (inches.height() * g.dpiY));
}

} // namespace

void PaintBlankSheet(QPainter& painter, const PageGeometry& g, const QRectF& sheet,
                     bool ticketUnderlay) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.fillRect(sheet, Qt::white);
    if (g.dpiX > 0 && g.dpiY > 0) {
        MapSheet(painter, g, sheet);
        if (ticketUnderlay)
            PaintTicketUnderlay(painter, g);
        painter.setPen(QPen(kReachOutline, 0, Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRect(g.offsetX, g.offsetY, g.pageWidth, g.pageHeight));
    }
    painter.restore();
}

void PaintPageMarks(QPainter& painter, const RecordedDocument& document, int index,
                    const QRectF& sheet) {
    const PageGeometry& g = document.geometry;
    if (g.dpiX <= 0 || g.dpiY <= 0 || index < 0 || index >= static_cast<int>(document.pages.size()))
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    MapSheet(painter, g, sheet);
    painter.translate(g.offsetX, g.offsetY);
    PaintMarks(painter, document.pages[static_cast<std::size_t>(index)], g);
    painter.restore();
}

void PaintRecordedPage(QPainter& painter, const RecordedDocument& document, int index,
                       const QRectF& sheet, bool ticketUnderlay) {
    PaintBlankSheet(painter, document.geometry, sheet, ticketUnderlay);
    PaintPageMarks(painter, document, index, sheet);
}

PreviewPage::PreviewPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("previewPage"));
    setAutoFillBackground(false);
}

void PreviewPage::setDocument(const RecordedDocument* document, bool ticketUnderlay) {
    m_document = document;
    m_ticketUnderlay = ticketUnderlay;
    m_blankSheet = QPixmap();
    m_page = 0;
    updateGeometry();
    update();
}

void PreviewPage::setPage(int index) {
    m_page = index;
    update();
}

void PreviewPage::setPixelsPerInch(double pixelsPerInch) {
    m_pixelsPerInch = pixelsPerInch;
    updateGeometry();
    if (m_pixelsPerInch > 0)
        resize(sizeHint());
    update();
}

double PreviewPage::pixelsPerInch() const {
    if (m_pixelsPerInch > 0)
        return m_pixelsPerInch;
    const QSizeF inches = m_document ? PaperInches(m_document->geometry) : QSizeF(8.27, 11.69);
    const double room = std::min((width() - 2 * kSheetMargin) / inches.width(),
                                 (height() - 2 * kSheetMargin) / inches.height());
    return std::max(room, 1.0);
}

QSize PreviewPage::sizeHint() const {
    const QSizeF inches = m_document ? PaperInches(m_document->geometry) : QSizeF(8.27, 11.69);
    const double scale = m_pixelsPerInch > 0 ? m_pixelsPerInch : 40;
    return {static_cast<int>(inches.width() * scale) + 2 * kSheetMargin,
            static_cast<int>(inches.height() * scale) + 2 * kSheetMargin};
}

void PreviewPage::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(128, 128, 128));
    if (!m_document)
        return;
    const QSizeF inches = PaperInches(m_document->geometry);
    const double scale = pixelsPerInch();
    const QSizeF size(inches.width() * scale, inches.height() * scale);
    // A fitted sheet sits in the middle of the room it has.
    const QPointF corner =
        m_pixelsPerInch > 0 ? QPointF(kSheetMargin, kSheetMargin)
                            : QPointF((width() - size.width()) / 2, (height() - size.height()) / 2);
    const QRectF sheet(corner, size);
    painter.fillRect(sheet.translated(3, 3), QColor(80, 80, 80)); // the sheet's shadow
    // The sheet under the marks is the same on every page: drawn once for each size shown.
    const qreal ratio = devicePixelRatioF();
    const QSize blankSize = (sheet.size() * ratio).toSize();
    if (m_blankSheet.size() != blankSize) {
        m_blankSheet = QPixmap(blankSize);
        m_blankSheet.setDevicePixelRatio(ratio); // sharp on a high-density screen
        QPainter blank(&m_blankSheet);
        PaintBlankSheet(blank, m_document->geometry, QRectF(QPointF(0, 0), sheet.size()),
                        m_ticketUnderlay);
    }
    painter.drawPixmap(sheet.topLeft(), m_blankSheet);
    PaintPageMarks(painter, *m_document, m_page, sheet);
}

} // namespace orvane
