#include "output/preview_layout_printer.h"

namespace orvane {

PreviewLayoutPrinter::PreviewLayoutPrinter(PrintCanvas& printer)
    : m_printer(printer), m_printerThere(printer.dotsPerInch(Axis::Horizontal) > 0),
      m_paper(QStringLiteral("never-written.pdf")) {}

} // namespace orvane
