#include "output/board_list_window.h"

#include "common/glyphs.h"
#include "common/gradient_backdrop.h"
#include "common/pictures.h"
#include "common/window_style.h"
#include "output/board_list.h"
#include "settings/app_settings.h"

#include <QListWidget>
#include <QShowEvent>
#include <QToolButton>

namespace orvane {

BoardListWindow::BoardListWindow(BoardRun& run, const SelectionGrid& grid, const SystemList& list,
                                 const AppSettings& settings, Prompts& prompts, PrintCanvas& canvas,
                                 QWidget* parent)
    : QDialog(parent), m_run(run), m_grid(grid), m_systemList(list), m_settings(settings),
      m_prompts(prompts), m_canvas(canvas) {
    setObjectName(QStringLiteral("TForm5"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint);
    setFixedSize(545, 346);
    setFont(WindowFont());
    InstallBackdrop(this);

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

    SetListCaptions();
}

void BoardListWindow::SetListCaptions() {
    setWindowTitle(QStringLiteral("List of the boards to play "));
}

void BoardListWindow::FillBoardList() {
    m_list->clear();
    for (const std::string& line :
         orvane::FillBoardList(m_run, m_grid, m_systemList, m_settings.gridStyle))
        m_list->addItem(QString::fromStdString(line));
}

void BoardListWindow::imprimeliste() {
    PrintBoardList(m_run, m_grid, m_systemList, m_canvas, m_prompts);
}

void BoardListWindow::bimprimebulletins() {
    Q_EMIT ticketPrintingAsked();
}

void BoardListWindow::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        SetListCaptions();
        FillBoardList();
    }
    QDialog::showEvent(event);
}

} // namespace orvane
