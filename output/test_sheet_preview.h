#pragma once
// The printer test sheet, shown in the preview first and printed or saved from there.

class QWidget;

namespace orvane {

struct AppSettings;
class PrintCanvas;
class Prompts;
struct PrintServices;
struct PreviewContent;

// The test sheet as `printer` will print it with the adjustments of `settings` (laid out for a
// sheet with no margins when there is no printer), over the paper ticket.
PreviewContent PrinterTestSheetPreview(const AppSettings& settings, PrintCanvas& printer);

// Shows the test sheet as the printer of `services` will print it with the adjustments of
// `settings`, over the paper ticket; "Print" there prints it, "Save as PDF" writes it to a file.
void ShowPrinterTestSheet(QWidget* parent, const AppSettings& settings, Prompts& prompts,
                          PrintServices& services);

} // namespace orvane
