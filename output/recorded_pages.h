#pragma once
// The pages a printing routine draws, kept in the printer's own device pixels, so they can be
// shown on screen or checked before anything reaches the paper.

#include "output/print_canvas.h"

#include <string>
#include <vector>

namespace orvane {

// One drawing call on a page, in the order it was made (text has an opaque background, so the
// order matters where marks overlap).
struct DrawnMark {
    enum class Kind { Line, Text };
    Kind kind = Kind::Line;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0; // a line's ends; a text's top-left corner in x1, y1
    int penWidth = 1;                   // of a line
    std::string text;                   // of a text
    std::string face;                   // a text's font
    int pointSize = 0;
    bool bold = false;
};

struct RecordedPage {
    std::vector<DrawnMark> marks;
};

// The printer the pages were drawn for: its printable area, resolution and printing offset.
struct PageGeometry {
    int pageWidth = 0, pageHeight = 0;
    int dpiX = 0, dpiY = 0;
    int offsetX = 0, offsetY = 0;
};

struct RecordedDocument {
    PageGeometry geometry;
    std::vector<RecordedPage> pages;
};

// A canvas that draws nothing: it keeps every page of every document begun on it, measured as
// `printer` measures (resolution, offsets, page and text sizes), without starting a job there.
class PageRecorder final : public PrintCanvas {
  public:
    explicit PageRecorder(PrintCanvas& printer) : m_printer(printer) {}

    // Every page drawn so far, all documents together, with the printer's geometry read when
    // the first document began.
    const RecordedDocument& document() const { return m_document; }

    int pageWidth() override { return m_printer.pageWidth(); }
    int pageHeight() override { return m_printer.pageHeight(); }
    PrintJobStatus beginDocument() override;
    void newPage() override;
    PrintJobStatus endDocument() override;
    void setFont(const std::string& face, int pointSize, bool bold) override;
    void textOut(int x, int y, const std::string& text) override;
    int textWidth(const std::string& text) override { return m_printer.textWidth(text); }
    int textHeight(const std::string& text) override { return m_printer.textHeight(text); }
    void setPenWidth(int width) override { m_penWidth = width; }
    void line(int x1, int y1, int x2, int y2) override;
    int dotsPerInch(Axis axis) override { return m_printer.dotsPerInch(axis); }
    int printingOffset(Axis axis) override { return m_printer.printingOffset(axis); }

  private:
    RecordedPage* page();

    PrintCanvas& m_printer;
    RecordedDocument m_document;
    bool m_begun = false;
    std::string m_face;
    int m_pointSize = 0;
    bool m_bold = false;
    int m_penWidth = 1;
};

} // namespace orvane
