#pragma once
// The marks a printing routine leaves on the paper, recorded once and drawn again straight onto
// a PDF printer: the same pages at the cost of Qt's drawing alone, without the routine's layout.

#include "output/print_canvas.h"

#include <QString>
#include <string>
#include <vector>

namespace orvane::bench {

struct DrawnMark {
    enum class Kind { Font, Text, PenWidth, Line, NewPage };
    Kind kind;
    std::string text;               // the font's face, or the text drawn
    int a = 0, b = 0, c = 0, d = 0; // point size and bold; x, y; pen width; x1, y1, x2, y2
};

// Passes every call on to `printer` and keeps the marks drawn.
class DrawingRecorder final : public PrintCanvas {
  public:
    explicit DrawingRecorder(PrintCanvas& printer) : m_printer(printer) {}
    const std::vector<DrawnMark>& marks() const { return m_marks; }

    int pageWidth() override { return m_printer.pageWidth(); }
    int pageHeight() override { return m_printer.pageHeight(); }
    PrintJobStatus beginDocument() override { return m_printer.beginDocument(); }
    void newPage() override;
    PrintJobStatus endDocument() override { return m_printer.endDocument(); }
    void setFont(const std::string& face, int pointSize, bool bold) override;
    void textOut(int x, int y, const std::string& text) override;
    int textWidth(const std::string& text) override { return m_printer.textWidth(text); }
    int textHeight(const std::string& text) override { return m_printer.textHeight(text); }
    void setPenWidth(int width) override;
    void line(int x1, int y1, int x2, int y2) override;
    int dotsPerInch(Axis axis) override { return m_printer.dotsPerInch(axis); }
    int printingOffset(Axis axis) override { return m_printer.printingOffset(axis); }

  private:
    PrintCanvas& m_printer;
    std::vector<DrawnMark> m_marks;
};

// Prints `marks` to a PDF file with a bare QPrinter and QPainter.
void DrawMarksToPdf(const std::vector<DrawnMark>& marks, const QString& pdfPath);

int PageCount(const std::vector<DrawnMark>& marks);

} // namespace orvane::bench
