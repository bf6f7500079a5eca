#pragma once
// The print canvas the windows print with: the printing module's, made on first use, so that
// creating a window that prints does not load the printing module.

#include "output/print_canvas.h"

#include <QString>
#include <memory>

namespace orvane {

struct PrinterChoice;

class DeferredPrintCanvas final : public PrintCanvas {
  public:
    // Prints on the printer `choice` names, or on the system's default printer while it names
    // none (or when no choice is given).
    explicit DeferredPrintCanvas(const PrinterChoice* choice = nullptr);
    // Writes every document to the PDF file at `pdfPath`, its page the whole sheet.
    explicit DeferredPrintCanvas(const QString& pdfPath);
    ~DeferredPrintCanvas() override;
    DeferredPrintCanvas(const DeferredPrintCanvas&) = delete;
    DeferredPrintCanvas& operator=(const DeferredPrintCanvas&) = delete;

    int pageWidth() override;
    int pageHeight() override;
    PrintJobStatus beginDocument() override;
    void newPage() override;
    PrintJobStatus endDocument() override;
    void setFont(const std::string& face, int pointSize, bool bold) override;
    void textOut(int x, int y, const std::string& text) override;
    int textWidth(const std::string& text) override;
    int textHeight(const std::string& text) override;
    void setPenWidth(int width) override;
    void line(int x1, int y1, int x2, int y2) override;
    int dotsPerInch(Axis axis) override;
    int printingOffset(Axis axis) override;

  private:
    // The module's canvas; null when the module cannot be loaded, which leaves nothing to print
    // on, as a machine without a printer.
    PrintCanvas* made();

    const PrinterChoice* m_choice = nullptr;
    QString m_pdfPath;
    bool m_tried = false;
    std::unique_ptr<PrintCanvas> m_canvas;
};

} // namespace orvane
