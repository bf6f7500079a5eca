#include "output/board_list_window.h"

#include "common/glyphs.h"
#include "common/pictures.h"
#include "common/save_path_dialog.h"
#include "common/window_style.h"
#include "output/board_list.h"
#include "output/pdf_export.h"
#include "output/print_services.h"
#include "output/printer_picker.h"
#include "settings/app_settings.h"

#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QToolButton>

namespace orvane {

BoardListWindow::BoardListWindow(SystemBoards boards, const AppSettings& settings, Prompts& prompts,
                                 PrintServices& services, QWidget* parent)
    : QDialog(parent), m_boards(boards), m_settings(settings), m_prompts(prompts),
      m_services(services) {
    setObjectName(QStringLiteral("TForm5"));
    FrameDialog(this, {.size = {545, 386}});

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("listbull"));
    m_list->setGeometry(15, 12, 514, 228);
    m_list->setFont(QFont(QStringLiteral("Courier"), 8));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);

    const auto button = [this](const char* name, const QPixmap& glyph, const char* text,
                               QRect geometry) {
        return MakeGlyphToolButton(this, name, glyph, QString::fromUtf8(text), geometry,
                                   GlyphToolLook::CaptionBelow);
    };
    auto* printList =
        button("BitBtn6", PrinterGlyph(), "Print the list of boards", QRect(15, 254, 160, 78));
    connect(printList, &QToolButton::clicked, this, [this] { imprimeliste(); });
    auto* printTickets =
        button("BitBtn2", TicketGlyph(), "Print the Tickets", QRect(192, 254, 160, 78));
    connect(printTickets, &QToolButton::clicked, this, [this] { bimprimebulletins(); });
    auto* back = button("BitBtn1", ReturnGlyph(), "Return", QRect(369, 254, 160, 78));
    connect(back, &QToolButton::clicked, this, &QDialog::accept);

    // Which printer, and a PDF file in place of paper: a row of their own under the buttons.
    m_printers = PlacePrinterRow(this, m_services.choice, 15, 348, 352);
    auto* pdf = new QPushButton(QStringLiteral("Save as PDF"), this);
    pdf->setObjectName(QStringLiteral("BitBtnPdf"));
    pdf->setGeometry(369, 343, 160, 32);
    connect(pdf, &QPushButton::clicked, this, [this] { saveAsPdfClick(); });

    SetListCaptions();
}

void BoardListWindow::SetListCaptions() {
    setWindowTitle(QStringLiteral("List of the boards to play "));
}

void BoardListWindow::FillBoardList() {
    m_list->clear();
    for (const std::string& line : orvane::FillBoardList(m_boards, m_settings.gridStyle))
        m_list->addItem(QString::fromStdString(line));
}

void BoardListWindow::imprimeliste() {
    PrintBoardList(m_boards, m_services.printer, m_prompts);
}

void BoardListWindow::saveAsPdfClick() {
    const std::optional<std::string> path =
        m_services.savePath.askPdfPath("Save the list of boards as PDF", "boards.pdf");
    if (!path)
        return;
    SaveAsPdf(*path, m_prompts, [this](PrintCanvas& canvas, Prompts& prompts) {
        PrintBoardList(m_boards, canvas, prompts);
    });
}

void BoardListWindow::bimprimebulletins() {
    Q_EMIT ticketPrintingAsked();
}

void BoardListWindow::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        SetListCaptions();
        FillBoardList();
        m_printers->refresh();
    }
    QDialog::showEvent(event);
}

} // namespace orvane
