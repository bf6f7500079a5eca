// The printing module's side: hands the program the Qt and CUPS implementations.
#include "output/printing_module.h"
#include "output/qt_print_canvas.h"

#include <QPrinterInfo>

namespace orvane {

namespace {

std::unique_ptr<PrintCanvas> PrinterCanvas(const PrinterChoice* choice) {
    return std::make_unique<QtPrintCanvas>(choice);
}

std::unique_ptr<PrintCanvas> PdfCanvas(const QString& path) {
    return std::make_unique<QtPrintCanvas>(path);
}

QString DefaultPrinterName() {
    return QPrinterInfo::defaultPrinterName();
}

QStringList PrinterNames() {
    return QPrinterInfo::availablePrinterNames();
}

const PrintingModule kModule{PrinterCanvas, PdfCanvas, DefaultPrinterName, PrinterNames};

} // namespace

} // namespace orvane

extern "C" __attribute__((visibility("default"))) const orvane::PrintingModule*
orvane_printing_module() {
    return &orvane::kModule;
}
