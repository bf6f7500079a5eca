#pragma once
// What the print windows print with: the printer, which printer the player chose for the run,
// and where a PDF copy goes.

namespace orvane {

class PrintCanvas;
class SavePathDialog;
struct PrinterChoice;

struct PrintServices {
    PrintCanvas& printer; // prints on the printer `choice` names
    PrinterChoice& choice;
    SavePathDialog& savePath;
};

} // namespace orvane
