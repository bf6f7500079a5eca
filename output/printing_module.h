#pragma once
// Qt's printing support and the CUPS client bring some twenty libraries with them. They live in a
// library of their own, the printing module, which the program loads when printing is first asked
// for rather than when it starts.

#include <QString>
#include <QStringList>
#include <memory>
#include <string>

namespace orvane {

class PrintCanvas;
struct PrinterChoice;

// What the program asks of the printing module.
struct PrintingModule {
    // Prints on the printer `choice` names, or on the system's default printer while it names
    // none (or when no choice is given).
    std::unique_ptr<PrintCanvas> (*printerCanvas)(const PrinterChoice* choice);
    // Writes every document to the PDF file at `path`, its page the whole sheet.
    std::unique_ptr<PrintCanvas> (*pdfCanvas)(const QString& path);
    // The system's default printer; empty when there is none.
    QString (*defaultPrinterName)();
    // Every printer installed now.
    QStringList (*printerNames)();
};

// The file the module is built and installed as, next to the program.
inline constexpr const char* kPrintingModuleFile = "liborvane-printing.so";
// The function of the module that hands over its PrintingModule.
inline constexpr const char* kPrintingModuleEntry = "orvane_printing_module";

// The module, loaded on the first call and kept for the run; null when it cannot be loaded, with
// why in `whyNot`.
const PrintingModule* LoadedPrintingModule(std::string* whyNot = nullptr);

} // namespace orvane
