#include "output/ticket_preview.h"

#include "output/qt_print_canvas.h"
#include "output/ticket_printing.h"

namespace orvane {

PreviewContent TicketPreview(BoardRun& run, const SelectionGrid& grid, const SystemList& list,
                             const AppSettings& settings, PrintCanvas& printer, Prompts& prompts,
                             int layout, int first, int last, bool numberOnTop) {
    const bool printerThere = printer.dotsPerInch(Axis::Horizontal) > 0;
    QtPrintCanvas paper(QStringLiteral("unused.pdf")); // measures only: no document is begun
    PageRecorder pages(printerThere ? printer : paper);
    // One document whatever the print mode: the pages are the same, and nobody is asked to feed
    // tickets into a preview.
    PrintTickets(run, grid, list, settings, pages, prompts, layout, PrintMode::AllAtOnce, first,
                 last, numberOnTop);
    PreviewContent content;
    content.title = QStringLiteral("Print preview");
    content.pageNoun = QStringLiteral("Ticket");
    content.document = pages.document();
    content.ticketUnderlay = true;
    if (printerThere)
        content.warnings = TicketMarksOffThePage(run, grid, list, settings, printer, layout, first,
                                                 last, numberOnTop);
    return content;
}

} // namespace orvane
