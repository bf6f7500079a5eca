#pragma once
// The printer a preview is laid out for.

#include "output/deferred_print_canvas.h"

namespace orvane {

// `printer` when there is one to measure; otherwise a sheet of paper with no margins, as a PDF
// copy gets. Nothing is ever begun on it.
class PreviewLayoutPrinter {
  public:
    explicit PreviewLayoutPrinter(PrintCanvas& printer);
    PrintCanvas& canvas() { return m_printerThere ? m_printer : m_paper; }
    bool printerThere() const { return m_printerThere; }

  private:
    PrintCanvas& m_printer;
    bool m_printerThere;
    DeferredPrintCanvas m_paper;
};

} // namespace orvane
