#include "output/ticket_print_window.h"

#include "common/digit_field.h"
#include "common/glyphs.h"
#include "common/pictures.h"
#include "common/save_path_dialog.h"
#include "common/window_style.h"
#include "output/pdf_export.h"
#include "output/print_preview_window.h"
#include "output/print_services.h"
#include "output/printer_picker.h"
#include "output/ticket_layout.h"
#include "output/ticket_preview.h"
#include "wheels/system_list.h"
#include "wheels/wheel_catalogue.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>

namespace orvane {

namespace {

// The range fields take digits only, as many as the field holds.
constexpr TypingRule kRangeTyping{IsDigit, 4, 4};

QLineEdit* rangeField(QWidget* parent, const char* name, const QString& hint, QRect geometry) {
    QLineEdit* field = MakeDigitField(parent, name, geometry, kRangeTyping);
    field->setToolTip(hint);
    return field;
}

} // namespace

TicketPrintWindow::TicketPrintWindow(SystemBoards boards, const AppSettings& settings,
                                     Prompts& prompts, PrintServices& services, QWidget* parent)
    : QDialog(parent), m_boards(boards), m_settings(settings), m_prompts(prompts),
      m_services(services) {
    setObjectName(QStringLiteral("TForm7"));
    FrameDialog(this, {.size = {477, 336}, .bold = true});

    PlaceLabel(this, "Label3", QStringLiteral("TICKET TYPE"), QPoint(20, 14));
    m_layouts = new QComboBox(this);
    m_layouts->setObjectName(QStringLiteral("ComboBox1"));
    m_layouts->setEditable(false);
    m_layouts->setGeometry(20, 32, 213, 22);

    auto* range = new QGroupBox(this);
    range->setObjectName(QStringLiteral("GroupBox3"));
    range->setGeometry(20, 68, 213, 88);
    range->setTitle(QStringLiteral("Boards to print"));
    PlaceLabel(range, "Label1", QStringLiteral("First"), QPoint(16, 27));
    m_first = rangeField(range, "Gpremier",
                         QStringLiteral("Entrez le numero de la première grille à imprimer"),
                         QRect(70, 23, 60, 22));
    PlaceLabel(range, "Label2", QStringLiteral("Last"), QPoint(16, 57));
    m_last = rangeField(range, "gdernier",
                        QStringLiteral("Entrez le numero de la dernière grille à imprimer"),
                        QRect(70, 53, 60, 22));

    auto* type = new QGroupBox(this);
    type->setObjectName(QStringLiteral("GroupBox2"));
    type->setGeometry(246, 14, 211, 142);
    type->setTitle(QStringLiteral("Print Type"));
    m_allAtOnce = new QRadioButton(QStringLiteral("Print all the tickets"), type);
    m_allAtOnce->setObjectName(QStringLiteral("bimptsbull"));
    m_allAtOnce->setGeometry(16, 36, 185, 22);
    m_allAtOnce->setChecked(true);
    m_ticketByTicket = new QRadioButton(QStringLiteral("Stop after each ticket"), type);
    m_ticketByTicket->setObjectName(QStringLiteral("bimpunbull"));
    m_ticketByTicket->setGeometry(16, 80, 185, 22);

    auto* more = new QGroupBox(this);
    more->setObjectName(QStringLiteral("GroupBox4"));
    more->setGeometry(20, 166, 437, 52);
    more->setTitle(QStringLiteral("More"));
    m_numberOnTop = new QCheckBox(more);
    m_numberOnTop->setObjectName(QStringLiteral("chNumticket"));
    m_numberOnTop->setText(QStringLiteral("Print the number of ticket on top of the ticket"));
    m_numberOnTop->setLayoutDirection(Qt::RightToLeft); // caption left of the box
    m_numberOnTop->move(16, 22);
    m_numberOnTop->adjustSize();

    auto* cancel = MakeGlyphButton(this, "boutannule", CrossGlyph(), QStringLiteral("Cancel"),
                                   QRect(20, 232, 150, 44));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* print = MakeGlyphButton(this, "boutlancer", TickGlyph(), QStringLiteral("Print"),
                                  QRect(307, 232, 150, 44));
    print->setDefault(true);
    connect(print, &QPushButton::clicked, this, [this] { boutlancerClick(); });
    auto* preview = MakeGlyphButton(this, "boutapercu", TicketGlyph(), QStringLiteral("Preview"),
                                    QRect(177, 232, 123, 44));
    connect(preview, &QPushButton::clicked, this, [this] { previewClick(); });

    // Which printer, and a PDF file in place of paper: a row of their own under the buttons.
    m_printers = PlacePrinterRow(this, m_services.choice, 20, 293, 300);
    auto* pdf = new QPushButton(QStringLiteral("Save as PDF"), this);
    pdf->setObjectName(QStringLiteral("boutpdf"));
    pdf->setGeometry(307, 288, 150, 32);
    connect(pdf, &QPushButton::clicked, this, [this] { saveAsPdfClick(); });

    SetPrintCaptions();
}

void TicketPrintWindow::SetPrintCaptions() {
    setWindowTitle(QStringLiteral("Print"));
}

void TicketPrintWindow::formshow() {
    SetPrintCaptions();
    m_layouts->clear();
    for (const TicketLayout& layout : TicketLayouts())
        m_layouts->addItem(QString::fromUtf8(layout.layoutName));
    m_layouts->setCurrentIndex(0);
    m_printers->refresh();
}

void TicketPrintWindow::activate() {
    const int index = CurrentSystemIndex(m_boards.list);
    m_first->setText(QStringLiteral("1"));
    m_last->setText(QString::number(IsSystemIndex(index) ? WheelCatalogue(index).boardCount : 0));
}

void TicketPrintWindow::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        formshow();
        activate();
    }
    QDialog::showEvent(event);
}

std::optional<TicketPrintWindow::Options> TicketPrintWindow::checkedOptions() {
    const int selected = m_layouts->currentIndex();
    if (selected < 0)
        return std::nullopt;
    const PrintMode mode =
        m_allAtOnce->isChecked() ? PrintMode::AllAtOnce : PrintMode::TicketByTicket;
    const int first = LeadingNumber(m_first->text().toStdString());
    const int last = LeadingNumber(m_last->text().toStdString());
    const int index = CurrentSystemIndex(m_boards.list);
    const int boardCount = IsSystemIndex(index) ? WheelCatalogue(index).boardCount : 0;
    if (!IsPrintableRange(first, last, boardCount)) {
        m_prompts.ask(IncorrectRangePrompt());
        return std::nullopt;
    }
    return Options{selected + 1, mode, first, last, m_numberOnTop->isChecked()};
}

void TicketPrintWindow::print(const Options& o) {
    PrintTickets(m_boards, m_settings, m_services.printer, m_prompts, o.layout, o.mode, o.first,
                 o.last, o.numberOnTop);
    accept();
}

void TicketPrintWindow::boutlancerClick() {
    const std::optional<Options> options = checkedOptions();
    if (!options)
        return;
    // Measured only on a printer that is there; a missing one is reported by the printing.
    PrintCanvas& printer = m_services.printer;
    if (printer.dotsPerInch(Axis::Horizontal) > 0) {
        const std::vector<std::string> off =
            TicketMarksOffThePage(m_boards, m_settings, printer, options->layout, options->first,
                                  options->last, options->numberOnTop);
        if (!off.empty() && m_prompts.ask(MarksOutOfReachPrompt(off)) != PromptAnswer::Ok)
            return;
    }
    print(*options);
}

void TicketPrintWindow::previewClick() {
    const std::optional<Options> o = checkedOptions();
    if (!o)
        return;
    PreviewContent content = TicketPreview(m_boards, m_settings, m_services.printer, m_prompts,
                                           o->layout, o->first, o->last, o->numberOnTop);
    content.saveAsPdf = [this, options = *o] { saveAsPdf(options); };
    PrintPreviewWindow preview(std::move(content), this);
    if (preview.exec() == QDialog::Accepted)
        print(*o);
}

void TicketPrintWindow::saveAsPdfClick() {
    if (const std::optional<Options> options = checkedOptions())
        saveAsPdf(*options);
}

void TicketPrintWindow::saveAsPdf(const Options& o) {
    const std::optional<std::string> path =
        m_services.savePath.askPdfPath("Save the tickets as PDF", "tickets.pdf");
    if (!path)
        return;
    // A file holds every ticket of the range, one a page, whatever the print mode.
    SaveAsPdf(*path, m_prompts, [&](PrintCanvas& canvas, Prompts& prompts) {
        PrintTickets(m_boards, m_settings, canvas, prompts, o.layout, PrintMode::AllAtOnce, o.first,
                     o.last, o.numberOnTop);
    });
}

} // namespace orvane
