#include "output/recorded_pages.h"

#include <utility>

namespace orvane {

PrintJobStatus PageRecorder::beginDocument() {
    if (m_document.pages.empty()) {
        m_document.geometry = {m_printer.pageWidth(),
                               m_printer.pageHeight(),
                               m_printer.dotsPerInch(Axis::Horizontal),
                               m_printer.dotsPerInch(Axis::Vertical),
                               m_printer.printingOffset(Axis::Horizontal),
                               m_printer.printingOffset(Axis::Vertical)};
    }
    m_document.pages.emplace_back();
    m_begun = true;
    return PrintJobStatus::Accepted();
}

void PageRecorder::newPage() {
    if (m_begun)
        m_document.pages.emplace_back();
}

PrintJobStatus PageRecorder::endDocument() {
    if (!m_begun)
        return PrintJobStatus::Refused("No print job was under way.");
    m_begun = false;
    return PrintJobStatus::Accepted();
}

void PageRecorder::setFont(const std::string& face, int pointSize, bool bold) {
    m_face = face;
    m_pointSize = pointSize;
    m_bold = bold;
    // The printer measures text in the font last set.
    m_printer.setFont(face, pointSize, bold);
}

RecordedPage* PageRecorder::page() {
    return m_begun ? &m_document.pages.back() : nullptr;
}

void PageRecorder::textOut(int x, int y, const std::string& text) {
    if (RecordedPage* p = page()) {
        DrawnMark mark{DrawnMark::Kind::Text, x,     y, x, y, m_penWidth, text, m_face,
                       m_pointSize,           m_bold};
        p->marks.push_back(std::move(mark));
    }
}

void PageRecorder::line(int x1, int y1, int x2, int y2) {
    if (RecordedPage* p = page())
        p->marks.push_back({DrawnMark::Kind::Line, x1, y1, x2, y2, m_penWidth, {}, {}, 0, false});
}

} // namespace orvane
