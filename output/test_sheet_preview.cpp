#include "output/test_sheet_preview.h"

#include "common/save_path_dialog.h"
#include "output/pdf_export.h"
#include "output/preview_layout_printer.h"
#include "output/print_preview_window.h"
#include "output/print_services.h"
#include "output/printer_test_sheet.h"
#include "output/recorded_pages.h"
#include "output/ticket_layout.h"

namespace orvane {

PreviewContent PrinterTestSheetPreview(const AppSettings& settings, PrintCanvas& printer) {
    PreviewLayoutPrinter layoutFor(printer);
    PageRecorder page(layoutFor.canvas());
    page.beginDocument();
    DrawPrinterTestSheet(page, settings, TicketLayouts().front());
    page.endDocument();

    PreviewContent content;
    content.title = QStringLiteral("Printer test sheet");
    content.pageNoun = QStringLiteral("Page");
    content.document = page.document();
    content.ticketUnderlay = true;
    return content;
}

void ShowPrinterTestSheet(QWidget* parent, const AppSettings& settings, Prompts& prompts,
                          PrintServices& services) {
    PreviewContent content = PrinterTestSheetPreview(settings, services.printer);
    content.saveAsPdf = [&settings, &prompts, &services] {
        const std::optional<std::string> path =
            services.savePath.askPdfPath("Save the printer test sheet as PDF", "test-sheet.pdf");
        if (path)
            SaveAsPdf(*path, prompts, [&settings](PrintCanvas& canvas, Prompts& reports) {
                PrintPrinterTestSheet(canvas, settings, reports);
            });
    };
    PrintPreviewWindow preview(std::move(content), parent);
    if (preview.exec() == QDialog::Accepted)
        PrintPrinterTestSheet(services.printer, settings, prompts);
}

} // namespace orvane
