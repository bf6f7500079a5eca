#include "output/printer_picker.h"

#include "output/printer_choice.h"
#include "output/printing_module.h"

#include "common/window_style.h"

#include <QLabel>

namespace orvane {

PrinterPicker::PrinterPicker(PrinterChoice& choice, QWidget* parent)
    : QComboBox(parent), m_choice(choice) {
    setEditable(false);
    setToolTip(QStringLiteral("The printer the tickets and the list are printed on"));
    connect(this, &QComboBox::activated, this,
            [this](int index) { m_choice.name = itemData(index).toString().toStdString(); });
}

void PrinterPicker::refresh() {
    const QSignalBlocker quiet(this);
    clear();
    // Without the printing module there is nothing to choose but the default, which then
    // reports why it cannot print.
    const PrintingModule* printing = LoadedPrintingModule();
    const QString systemDefault = printing ? printing->defaultPrinterName() : QString();
    addItem(systemDefault.isEmpty() ? QStringLiteral("The default printer")
                                    : QStringLiteral("The default printer (%1)").arg(systemDefault),
            QString());
    const QStringList installed = printing ? printing->printerNames() : QStringList();
    for (const QString& name : installed)
        addItem(name, name);
    const int chosen = findData(QString::fromStdString(m_choice.name));
    if (chosen < 0)
        m_choice.name.clear();
    setCurrentIndex(std::max(chosen, 0));
}

PrinterPicker* PlacePrinterRow(QWidget* parent, PrinterChoice& choice, int left, int top,
                               int pickerRight) {
    QLabel* label =
        PlaceLabel(parent, "lprinter", QStringLiteral("Printer"), QPoint(left, top + 4));
    auto* picker = new PrinterPicker(choice, parent);
    picker->setObjectName(QStringLiteral("cbprinter"));
    const int pickerLeft = label->geometry().right() + 12;
    picker->setGeometry(pickerLeft, top, pickerRight - pickerLeft, 22);
    label->setBuddy(picker);
    return picker;
}

} // namespace orvane
