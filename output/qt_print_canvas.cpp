#include "output/qt_print_canvas.h"

#include "output/cups_queue.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <cmath>

namespace orvane {

namespace {

QPen BarPen(int width) {
    // Flat ends: a bar covers exactly the span it is drawn over, whatever its thickness.
    return QPen(Qt::black, width, Qt::SolidLine, Qt::FlatCap);
}

} // namespace

QtPrintCanvas::QtPrintCanvas() : m_pen(BarPen(1)) {}

QtPrintCanvas::QtPrintCanvas(const QString& pdfPath) : m_pdfPath(pdfPath), m_pen(BarPen(1)) {}

QtPrintCanvas::~QtPrintCanvas() {
    if (m_painter && m_painter->isActive())
        m_painter->end();
}

QPrinter* QtPrintCanvas::printer() {
    if (m_printer && !m_printerUsed)
        return m_printer.get();
    m_printerUsed = false;
    if (!m_pdfPath.isEmpty()) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_printer->setOutputFormat(QPrinter::PdfFormat);
        m_printer->setOutputFileName(m_pdfPath);
    } else {
        const QPrinterInfo system = QPrinterInfo::defaultPrinter();
        if (system.isNull())
            m_printer.reset();
        else
            m_printer = std::make_unique<QPrinter>(system, QPrinter::HighResolution);
    }
    return m_printer.get();
}

int QtPrintCanvas::pageWidth() {
    QPrinter* p = printer();
    return p ? p->width() : 0;
}

int QtPrintCanvas::pageHeight() {
    QPrinter* p = printer();
    return p ? p->height() : 0;
}

PrintJobStatus QtPrintCanvas::beginDocument() {
    QPrinter* p = printer();
    if (!p)
        return {false, "No printer is installed on this computer: install one and choose it as "
                       "the default printer."};
    const std::string name = p->printerName().toStdString();
    if (!p->isValid())
        return {false, "The printer \"" + name + "\" cannot be used."};
    const std::optional<std::string> refusal =
        m_pdfPath.isEmpty() ? QueueRefusal(name) : std::nullopt;
    if (refusal) {
        m_printerUsed = true;
        return {false, *refusal};
    }
    p->setDocName(QStringLiteral("Orvane"));
    m_painter = std::make_unique<QPainter>();
    if (!m_painter->begin(p)) {
        m_painter.reset();
        m_printerUsed = true;
        return {false, "The printer \"" + name + "\" refused the job."};
    }
    // Text goes over an opaque white background, lines in solid black.
    m_painter->setBackgroundMode(Qt::OpaqueMode);
    m_painter->setBackground(Qt::white);
    m_painter->setPen(m_pen);
    m_painter->setFont(m_font);
    m_pageRefused = false;
    return {true, {}};
}

void QtPrintCanvas::newPage() {
    if (m_painter && !m_printer->newPage())
        m_pageRefused = true;
}

PrintJobStatus QtPrintCanvas::endDocument() {
    if (!m_painter)
        return {false, "No print job was under way."};
    // Ending hands the document to the scheduler; Qt keeps its answer to itself.
    const bool ended = m_painter->end();
    m_painter.reset();
    m_printerUsed = true;
    const std::string name = m_printer->printerName().toStdString();
    if (!ended || m_pageRefused || m_printer->printerState() == QPrinter::Error)
        return {false, "The printer \"" + name + "\" refused the job."};
    const std::optional<std::string> refusal =
        m_pdfPath.isEmpty() ? LastRequestRefusal() : std::nullopt;
    if (refusal)
        return {false, "The printer \"" + name + "\" refused the job: " + *refusal};
    return {true, {}};
}

void QtPrintCanvas::setFont(const std::string& face, int pointSize, bool bold) {
    m_font = QFont(QString::fromStdString(face), pointSize);
    m_font.setBold(bold);
    if (m_painter)
        m_painter->setFont(m_font);
}

void QtPrintCanvas::textOut(int x, int y, const std::string& text) {
    if (!m_painter)
        return;
    m_painter->drawText(x, y + m_painter->fontMetrics().ascent(), QString::fromStdString(text));
}

int QtPrintCanvas::textWidth(const std::string& text) {
    QPrinter* p = printer();
    return p ? QFontMetrics(m_font, p).horizontalAdvance(QString::fromStdString(text)) : 0;
}

int QtPrintCanvas::textHeight(const std::string&) {
    QPrinter* p = printer();
    return p ? QFontMetrics(m_font, p).height() : 0;
}

void QtPrintCanvas::setPenWidth(int width) {
    m_pen = BarPen(width);
    if (m_painter)
        m_painter->setPen(m_pen);
}

void QtPrintCanvas::line(int x1, int y1, int x2, int y2) {
    if (m_painter)
        m_painter->drawLine(x1, y1, x2, y2);
}

int QtPrintCanvas::dotsPerInch(Axis axis) {
    QPrinter* p = printer();
    if (!p)
        return 0;
    return axis == Axis::Horizontal ? p->logicalDpiX() : p->logicalDpiY();
}

int QtPrintCanvas::printingOffset(Axis axis) {
    QPrinter* p = printer();
    if (!p)
        return 0;
    // The painter's origin is the printable area's corner; this is where it lies on the paper.
    const QRectF paper = p->paperRect(QPrinter::DevicePixel);
    const QRectF printable = p->pageRect(QPrinter::DevicePixel);
    const double offset =
        axis == Axis::Horizontal ? printable.left() - paper.left() : printable.top() - paper.top();
    return static_cast<int>(std::lround(offset));
}

} // namespace orvane
