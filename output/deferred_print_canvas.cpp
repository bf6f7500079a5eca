#include "output/deferred_print_canvas.h"

#include "output/printing_module.h"

namespace orvane {

DeferredPrintCanvas::DeferredPrintCanvas(const PrinterChoice* choice) : m_choice(choice) {}

DeferredPrintCanvas::DeferredPrintCanvas(const QString& pdfPath) : m_pdfPath(pdfPath) {}

DeferredPrintCanvas::~DeferredPrintCanvas() = default;

PrintCanvas* DeferredPrintCanvas::made() {
    if (!m_tried) {
        m_tried = true;
        if (const PrintingModule* module = LoadedPrintingModule())
            m_canvas = m_pdfPath.isEmpty() ? module->printerCanvas(m_choice)
                                           : module->pdfCanvas(m_pdfPath);
    }
    return m_canvas.get();
}

int DeferredPrintCanvas::pageWidth() {
    PrintCanvas* c = made();
    return c ? c->pageWidth() : 0;
}

int DeferredPrintCanvas::pageHeight() {
    PrintCanvas* c = made();
    return c ? c->pageHeight() : 0;
}

PrintJobStatus DeferredPrintCanvas::beginDocument() {
    if (PrintCanvas* c = made())
        return c->beginDocument();
    std::string why;
    LoadedPrintingModule(&why);
    return PrintJobStatus::Refused("Printing is not available: its module could not be loaded (" +
                                   why + ").");
}

void DeferredPrintCanvas::newPage() {
    if (PrintCanvas* c = made())
        c->newPage();
}

PrintJobStatus DeferredPrintCanvas::endDocument() {
    if (PrintCanvas* c = made())
        return c->endDocument();
    return PrintJobStatus::Refused("No print job was under way.");
}

void DeferredPrintCanvas::setFont(const std::string& face, int pointSize, bool bold) {
    if (PrintCanvas* c = made())
        c->setFont(face, pointSize, bold);
}

void DeferredPrintCanvas::textOut(int x, int y, const std::string& text) {
    if (PrintCanvas* c = made())
        c->textOut(x, y, text);
}

int DeferredPrintCanvas::textWidth(const std::string& text) {
    PrintCanvas* c = made();
    return c ? c->textWidth(text) : 0;
}

int DeferredPrintCanvas::textHeight(const std::string& text) {
    PrintCanvas* c = made();
    return c ? c->textHeight(text) : 0;
}

void DeferredPrintCanvas::setPenWidth(int width) {
    if (PrintCanvas* c = made())
        c->setPenWidth(width);
}

void DeferredPrintCanvas::line(int x1, int y1, int x2, int y2) {
    if (PrintCanvas* c = made())
        c->line(x1, y1, x2, y2);
}

int DeferredPrintCanvas::dotsPerInch(Axis axis) {
    PrintCanvas* c = made();
    return c ? c->dotsPerInch(axis) : 0;
}

int DeferredPrintCanvas::printingOffset(Axis axis) {
    PrintCanvas* c = made();
    return c ? c->printingOffset(axis) : 0;
}

} // namespace orvane
