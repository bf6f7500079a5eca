#include "bench/support/recorded_drawing.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <algorithm>

namespace orvane::bench {

void DrawingRecorder::newPage() {
    m_marks.push_back({DrawnMark::Kind::NewPage, {}});
    m_printer.newPage();
}

void DrawingRecorder::setFont(const std::string& face, int pointSize, bool bold) {
    m_marks.push_back({DrawnMark::Kind::Font, face, pointSize, bold});
    m_printer.setFont(face, pointSize, bold);
}

void DrawingRecorder::textOut(int x, int y, const std::string& text) {
    m_marks.push_back({DrawnMark::Kind::Text, text, x, y});
    m_printer.textOut(x, y, text);
}

void DrawingRecorder::setPenWidth(int width) {
    m_marks.push_back({DrawnMark::Kind::PenWidth, {}, width});
    m_printer.setPenWidth(width);
}

void DrawingRecorder::line(int x1, int y1, int x2, int y2) {
    m_marks.push_back({DrawnMark::Kind::Line, {}, x1, y1, x2, y2});
    m_printer.line(x1, y1, x2, y2);
}

void DrawMarksToPdf(const std::vector<DrawnMark>& marks, const QString& pdfPath) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdfPath);
    QPainter painter(&printer);
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(Qt::white);
    int ascent = 0;
    for (const DrawnMark& m : marks) {
        switch (m.kind) {
        case DrawnMark::Kind::Font: {
            QFont font(QString::fromStdString(m.text), m.a);
            font.setBold(m.b != 0);
            painter.setFont(font);
            ascent = painter.fontMetrics().ascent();
            break;
        }
        case DrawnMark::Kind::Text:
            painter.drawText(m.a, m.b + ascent, QString::fromStdString(m.text));
            break;
        case DrawnMark::Kind::PenWidth:
            painter.setPen(QPen(Qt::black, m.a, Qt::SolidLine, Qt::FlatCap));
            break;
        case DrawnMark::Kind::Line:
            painter.drawLine(m.a, m.b, m.c, m.d);
            break;
        case DrawnMark::Kind::NewPage:
            printer.newPage();
            break;
        }
    }
}

int PageCount(const std::vector<DrawnMark>& marks) {
    return 1 + static_cast<int>(std::count_if(marks.begin(), marks.end(), [](const DrawnMark& m) {
               return m.kind == DrawnMark::Kind::NewPage;
           }));
}

} // namespace orvane::bench
