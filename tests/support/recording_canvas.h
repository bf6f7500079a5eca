#pragma once
// A PrintCanvas double for tests: a printer of chosen resolution and offsets that records what is
// drawn, document by document and page by page. Text is 10 pixels a character wide and 4 pixels a
// point tall.

#include "output/print_canvas.h"

#include <string>
#include <vector>

namespace orvane::test {

class RecordingCanvas final : public PrintCanvas {
  public:
    struct Line {
        int document; // counted from 1 over the canvas's life
        int page;     // counted from 1 within the document
        int penWidth;
        int x1, y1, x2, y2;
    };
    struct Text {
        int document;
        int page;
        std::string font; // "face size" with " bold" when bold
        int x, y;
        std::string text;
    };

    int pageWidth() override { return width; }
    int pageHeight() override { return height; }
    PrintJobStatus beginDocument() override {
        if (!refusal.empty())
            return PrintJobStatus::Refused(refusal);
        ++documentsBegun;
        pages = 1;
        return PrintJobStatus::Accepted();
    }
    void newPage() override { ++pages; }
    PrintJobStatus endDocument() override {
        ++documentsEnded;
        if (!handOverRefusal.empty())
            return PrintJobStatus::Refused(handOverRefusal);
        pagesHandedOver.push_back(pages);
        return PrintJobStatus::Accepted(waiting);
    }
    void setFont(const std::string& face, int pointSize, bool bold) override {
        m_font = face + " " + std::to_string(pointSize) + (bold ? " bold" : "");
        m_pointSize = pointSize;
    }
    void textOut(int x, int y, const std::string& text) override {
        texts.push_back({documentsBegun, pages, m_font, x, y, text});
    }
    int textWidth(const std::string& text) override { return 10 * static_cast<int>(text.size()); }
    int textHeight(const std::string&) override { return 4 * m_pointSize; }
    void setPenWidth(int w) override { m_penWidth = w; }
    void line(int x1, int y1, int x2, int y2) override {
        lines.push_back({documentsBegun, pages, m_penWidth, x1, y1, x2, y2});
    }
    int dotsPerInch(Axis axis) override { return axis == Axis::Horizontal ? dpiX : dpiY; }
    int printingOffset(Axis axis) override { return axis == Axis::Horizontal ? offsetX : offsetY; }

    // The printer.
    int width = 4800, height = 6800;
    int dpiX = 600, dpiY = 600;
    int offsetX = 0, offsetY = 0;
    std::string refusal;         // non-empty: beginDocument fails with it
    std::string handOverRefusal; // non-empty: endDocument fails with it
    std::string waiting;         // non-empty: endDocument takes the job but holds it

    // What was printed.
    int documentsBegun = 0, documentsEnded = 0;
    int pages = 0;                    // of the document under way or last ended
    std::vector<int> pagesHandedOver; // the page count of every ended document, in order
    std::vector<Line> lines;
    std::vector<Text> texts;

  private:
    std::string m_font;
    int m_pointSize = 0;
    int m_penWidth = 1;
};

} // namespace orvane::test
