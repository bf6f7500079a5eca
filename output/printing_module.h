#pragma once
// Qt's printing support and the CUPS client bring some twenty libraries with them. They live in a
// library of their own, the printing module, which the program loads when printing is first asked
// for rather than when it starts.

#include <QString>
#include <QStringList>
#include <memory>
#include <string>
#include <sys/types.h>

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

// The module, loaded on the first call and kept for the run: the one the program links, if it
// does, else the one in the program's own folder as LoadPrintingModuleFrom finds it, never one
// found by a library search. Null when it cannot be loaded, with why in `whyNot`.
const PrintingModule* LoadedPrintingModule(std::string* whyNot = nullptr);

// The module file in `folder`, opened by its full path, when only root or the player with the user
// id `player` could have put it there or changed it (as for the companion program: a file, not a
// link, and both it and the folder owned by root or the player and writable by neither their
// group nor others). Null otherwise, with why in `whyNot`, and nothing is loaded.
const PrintingModule* LoadPrintingModuleFrom(const std::string& folder, uid_t player,
                                             std::string* whyNot);

} // namespace orvane
