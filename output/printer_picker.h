#pragma once
// A drop-down list of the installed printers; choosing one prints on it for the rest of the run.

#include <QComboBox>

namespace orvane {

struct PrinterChoice;

class PrinterPicker final : public QComboBox {
    Q_OBJECT
  public:
    PrinterPicker(PrinterChoice& choice, QWidget* parent = nullptr);

    // Lists the printers installed now and shows the one chosen (the default when the chosen
    // one is gone).
    void refresh();

  private:
    PrinterChoice& m_choice;
};

// The row a print window gets under its buttons: "Printer" and the list of printers, from
// `left` to `pickerRight`, on the line `top`; the label is named "lprinter", the list
// "cbprinter".
PrinterPicker* PlacePrinterRow(QWidget* parent, PrinterChoice& choice, int left, int top,
                               int pickerRight);

} // namespace orvane
