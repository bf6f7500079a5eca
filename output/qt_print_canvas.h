#pragma once
// The print canvas over QPrinter: the system's default printer, or a PDF file.

#include "output/print_canvas.h"

#include <QFont>
#include <QPen>
#include <QString>
#include <memory>
#include <optional>

class QPainter;
class QPrinter;

namespace orvane {

struct PrinterChoice;

class QtPrintCanvas final : public PrintCanvas {
  public:
    // Prints on the printer `choice` names, or on the system's default printer while it names
    // none (or when no choice is given); looked up afresh for every document, so a printer
    // installed while the program runs is found.
    explicit QtPrintCanvas(const PrinterChoice* choice = nullptr);
    // Writes every document to the PDF file at `pdfPath` instead. Its page is the whole sheet,
    // so what is drawn lands at its true place from the paper's corner, margins included.
    explicit QtPrintCanvas(const QString& pdfPath);
    ~QtPrintCanvas() override;
    QtPrintCanvas(const QtPrintCanvas&) = delete;
    QtPrintCanvas& operator=(const QtPrintCanvas&) = delete;

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
    // What the printing routines ask of the printer over and over, read once from its page
    // layout: working it out again for every position converted costs more than drawing.
    struct Measures {
        int width = 0;
        int height = 0;
        int dpiX = 0;
        int dpiY = 0;
        int offsetX = 0;
        int offsetY = 0;
    };

    // The printer of the document under way or about to begin; after a document has ended, the
    // default printer is looked up again. Null when the system has no default printer.
    QPrinter* printer();
    // The measures of that printer, read again once its document has begun; all zero without
    // a printer.
    const Measures& measures();

    const PrinterChoice* m_choice = nullptr;
    QString m_pdfPath;
    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<QPainter> m_painter;
    QFont m_font;
    QPen m_pen;
    std::optional<Measures> m_measures;
    bool m_printerUsed = false;
    bool m_pageRefused = false;
};

} // namespace orvane
