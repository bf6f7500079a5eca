#include "output/ticket_preview.h"

#include "output/preview_layout_printer.h"
#include "output/ticket_printing.h"

namespace orvane {

PreviewContent TicketPreview(SystemBoards boards, const AppSettings& settings, PrintCanvas& printer,
                             Prompts& prompts, int layout, int first, int last, bool numberOnTop) {
    PreviewLayoutPrinter layoutFor(printer);
    PageRecorder pages(layoutFor.canvas());
    // One document whatever the print mode: the pages are the same, and nobody is asked to feed
    // tickets into a preview.
    PrintTickets(boards, settings, pages, prompts, layout, PrintMode::AllAtOnce, first, last,
                 numberOnTop);
    PreviewContent content;
    content.title = QStringLiteral("Print preview");
    content.pageNoun = QStringLiteral("Ticket");
    content.document = pages.document();
    content.ticketUnderlay = true;
    if (layoutFor.printerThere())
        content.warnings =
            TicketMarksOffThePage(boards, settings, printer, layout, first, last, numberOnTop);
    return content;
}

} // namespace orvane
