#include "output/qt_print_canvas.h"

#include "output/cups_queue.h"
#include "output/printer_choice.h"
#include "output/printer_trouble.h"

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

QtPrintCanvas::QtPrintCanvas(const PrinterChoice* choice) : m_choice(choice), m_pen(BarPen(1)) {}

QtPrintCanvas::QtPrintCanvas(const QString& pdfPath) : m_pdfPath(pdfPath), m_pen(BarPen(1)) {}

QtPrintCanvas::~QtPrintCanvas() {
    if (m_painter && m_painter->isActive())
        m_painter->end();
}

QPrinter* QtPrintCanvas::printer() {
    if (m_printer && !m_printerUsed)
        return m_printer.get();
    m_printerUsed = false;
    m_measures.reset();
    if (!m_pdfPath.isEmpty()) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_printer->setOutputFormat(QPrinter::PdfFormat);
        m_printer->setOutputFileName(m_pdfPath);
        m_printer->setFullPage(true);
    } else {
        const bool chosen = m_choice && !m_choice->name.empty();
        const QPrinterInfo system =
            chosen ? QPrinterInfo::printerInfo(QString::fromStdString(m_choice->name))
                   : QPrinterInfo::defaultPrinter();
        if (system.isNull())
            m_printer.reset();
        else
            m_printer = std::make_unique<QPrinter>(system, QPrinter::HighResolution);
    }
    return m_printer.get();
}

const QtPrintCanvas::Measures& QtPrintCanvas::measures() {
    QPrinter* p = printer();
    if (m_measures)
        return *m_measures;
    Measures m;
    if (p) {
        m.width = p->width();
        m.height = p->height();
        m.dpiX = p->logicalDpiX();
        m.dpiY = p->logicalDpiY();
        // The painter's origin is the printable area's corner; this is where it lies on the
        // paper.
        const QRectF paper = p->paperRect(QPrinter::DevicePixel);
        const QRectF printable = p->pageRect(QPrinter::DevicePixel);
        m.offsetX = static_cast<int>(std::lround(printable.left() - paper.left()));
        m.offsetY = static_cast<int>(std::lround(printable.top() - paper.top()));
    }
    return m_measures.emplace(m);
}

int QtPrintCanvas::pageWidth() {
    return measures().width;
}

int QtPrintCanvas::pageHeight() {
    return measures().height;
}

PrintJobStatus QtPrintCanvas::beginDocument() {
    QPrinter* p = printer();
    if (!p) {
        if (m_choice && !m_choice->name.empty())
            return PrintJobStatus::Refused(ChosenPrinterGone(m_choice->name));
        return PrintJobStatus::Refused(MissingDefaultPrinter());
    }
    const std::string name = p->printerName().toStdString();
    if (!p->isValid())
        return PrintJobStatus::Refused(PrinterUnusable(name));
    const std::optional<std::string> refusal =
        m_pdfPath.isEmpty() ? QueueRefusal(name) : std::nullopt;
    if (refusal) {
        m_printerUsed = true;
        return PrintJobStatus::Refused(*refusal);
    }
    p->setDocName(QStringLiteral("Orvane"));
    m_painter = std::make_unique<QPainter>();
    if (!m_painter->begin(p)) {
        m_painter.reset();
        m_printerUsed = true;
        return PrintJobStatus::Refused("The printer \"" + name + "\" refused the job.");
    }
    // Text goes over an opaque white background, lines in solid black.
    m_painter->setBackgroundMode(Qt::OpaqueMode);
    m_painter->setBackground(Qt::white);
    m_painter->setPen(m_pen);
    m_painter->setFont(m_font);
    m_pageRefused = false;
    // Measured as the document prints, should starting it have settled the page layout.
    m_measures.reset();
    return PrintJobStatus::Accepted();
}

void QtPrintCanvas::newPage() {
    if (m_painter && !m_printer->newPage())
        m_pageRefused = true;
}

PrintJobStatus QtPrintCanvas::endDocument() {
    if (!m_painter)
        return PrintJobStatus::Refused("No print job was under way.");
    // Ending hands the document to the scheduler; Qt keeps its answer to itself.
    const bool ended = m_painter->end();
    m_painter.reset();
    m_printerUsed = true;
    const std::string name = m_printer->printerName().toStdString();
    if (!ended || m_pageRefused || m_printer->printerState() == QPrinter::Error)
        return PrintJobStatus::Refused("The printer \"" + name + "\" refused the job.");
    if (!m_pdfPath.isEmpty())
        return PrintJobStatus::Accepted();
    // Asked in this order: the scheduler's answer to the submission is the last one only until
    // the queue is asked about.
    if (const std::optional<std::string> refusal = LastRequestRefusal())
        return PrintJobStatus::Refused("The printer \"" + name + "\" refused the job: " + *refusal);
    if (QueueIsPaused(name))
        return PrintJobStatus::Accepted(QueuePaused(name));
    return PrintJobStatus::Accepted();
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
    // Every bar of a ticket asks for the same width.
    if (width == m_pen.width())
        return;
    m_pen = BarPen(width);
    if (m_painter)
        m_painter->setPen(m_pen);
}

void QtPrintCanvas::line(int x1, int y1, int x2, int y2) {
    if (m_painter)
        m_painter->drawLine(x1, y1, x2, y2);
}

int QtPrintCanvas::dotsPerInch(Axis axis) {
    const Measures& m = measures();
    return axis == Axis::Horizontal ? m.dpiX : m.dpiY;
}

int QtPrintCanvas::printingOffset(Axis axis) {
    const Measures& m = measures();
    return axis == Axis::Horizontal ? m.offsetX : m.offsetY;
}

} // namespace orvane
