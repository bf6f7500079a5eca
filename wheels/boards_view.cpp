#include "wheels/boards_view.h"

#include "common/glyphs.h"
#include "common/pictures.h"
#include "common/window_style.h"
#include "settings/app_settings.h"
#include "wheels/board_run.h"
#include "wheels/system_list.h"
#include "wheels/ticket_grid_panel.h"
#include "wheels/wheel_catalogue.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QShowEvent>

namespace orvane {

BoardsView::BoardsView(SystemBoards boards, const AppSettings& settings, QWidget* parent)
    : QDialog(parent), m_run(boards.run), m_selection(boards.grid), m_systemList(boards.list),
      m_settings(settings) {
    setObjectName(QStringLiteral("TForm2"));
    FrameDialog(this,
                {.size = {530, 287}, .bold = true, .moreHints = Qt::WindowMinimizeButtonHint});

    auto* frame = new QGroupBox(QStringLiteral("Wheel selected"), this);
    frame->setObjectName(QStringLiteral("GroupBox2"));
    frame->setGeometry(7, 6, 522, 38);
    m_description = new QLabel(frame);
    m_description->setObjectName(QStringLiteral("ltitmet"));
    m_description->setGeometry(6, 14, 510, 17);
    QFont descriptionFont(QStringLiteral("Times New Roman"));
    descriptionFont.setPixelSize(12);
    m_description->setFont(descriptionFont);
    m_description->setStyleSheet(QStringLiteral("color: blue;"));

    m_grid = new TicketGridPanel(GridPlacement::BoardsView, this);
    m_grid->setGeometry(-3, 47, 364, 234);

    auto* counter = new QFrame(this);
    counter->setObjectName(QStringLiteral("Panel1"));
    counter->setFrameStyle(QFrame::Panel | QFrame::Raised);
    counter->setGeometry(365, 47, 163, 41);
    auto* boardTitle = new QLabel(QStringLiteral("Board"), counter);
    boardTitle->setObjectName(QStringLiteral("ltitre"));
    boardTitle->setGeometry(0, 2, 163, 17);
    boardTitle->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_boardNumber = new QLabel(counter);
    m_boardNumber->setObjectName(QStringLiteral("lnubul"));
    m_boardNumber->setGeometry(38, 22, 32, 15);
    m_boardNumber->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto* slash = new QLabel(QStringLiteral("/"), counter);
    slash->setObjectName(QStringLiteral("Label2"));
    slash->setGeometry(75, 22, 8, 15);
    m_boardCount = new QLabel(counter);
    m_boardCount->setObjectName(QStringLiteral("Lnumax"));
    m_boardCount->setGeometry(85, 22, 43, 15);

    auto* previous =
        MakeGlyphButton(this, "BitBtn3", ArrowGlyph(true), QString(), QRect(366, 93, 80, 38));
    previous->setToolTip(QStringLiteral("Previous board"));
    previous->setAccessibleName(previous->toolTip());
    connect(previous, &QPushButton::clicked, this, [this] { BitBtn3Click(); });
    auto* next =
        MakeGlyphButton(this, "BitBtn4", ArrowGlyph(false), QString(), QRect(448, 93, 80, 38));
    next->setToolTip(QStringLiteral("Next board"));
    next->setAccessibleName(next->toolTip());
    connect(next, &QPushButton::clicked, this, [this] { BitBtn4Click(); });

    auto* back = MakeGlyphButton(this, "BitBtn1", ReturnGlyph(), QStringLiteral("Return"),
                                 QRect(365, 242, 164, 38));
    back->setIconSize(QSize(20, 20)); // the return glyph drawn smaller than its own size
    connect(back, &QPushButton::clicked, this, &QDialog::accept);
    // The keyboard steps through the boards too; Escape returns, as in every dialog.
    const auto key = [this](QKeySequence keys, auto step) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, step);
    };
    key(QKeySequence(Qt::Key_Left), [this] { BitBtn3Click(); });
    key(QKeySequence(Qt::Key_PageUp), [this] { BitBtn3Click(); });
    key(QKeySequence(Qt::Key_Right), [this] { BitBtn4Click(); });
    key(QKeySequence(Qt::Key_PageDown), [this] { BitBtn4Click(); });
    key(QKeySequence(Qt::Key_Home), [this] { StepTo(1); });
    key(QKeySequence(Qt::Key_End), [this] { StepTo(m_run.boardCount()); });
    m_grid->setAccessibleName(QStringLiteral("Board"));

    SetBoardsViewCaptions();
    // The run outlives any view of it: once the view is gone, the boards built go unshown.
    m_run.setBoardBuiltListener([view = QPointer<BoardsView>(this)] {
        if (view)
            view->ShowCurrentBoard();
    });
}

void BoardsView::SetBoardsViewCaptions() {
    setWindowTitle(QStringLiteral("Boards to play"));
}

void BoardsView::UpdateBoardLabels() {
    m_boardNumber->setText(QString::number(m_run.currentBoardNumber()));
    m_boardCount->setText(QString::number(m_run.boardCount()));
}

void BoardsView::ShowCurrentBoard() {
    for (int tag = 1; tag <= kLastScreenCell; ++tag)
        m_grid->cell(tag)->setPicture(m_run.currentBoard(tag) != 0 ? CellPicture::Selected
                                                                   : CellPicture::Empty);
    // Nobody reads a hidden view, and showing it builds its board again: the words wait till
    // then, as printing or listing builds every board.
    if (!isVisible())
        return;
    // What a screen reader says of the board shown, "Board 3 of 15: 1, 2, 5, 6, 39, Thunderball
    // 2", written straight into one string: this runs on every step through the boards.
    QString said = QStringLiteral("Board ") + QString::number(m_run.currentBoardNumber()) +
                   QStringLiteral(" of ") + QString::number(m_run.boardCount()) +
                   QStringLiteral(": ");
    QLatin1String separator("");
    for (int tag = 1; tag <= kLastScreenCell; ++tag) {
        if (m_run.currentBoard(tag) == 0)
            continue;
        said += separator;
        separator = QLatin1String(", ");
        if (tag >= kFirstThunderballCell)
            said += QLatin1String("Thunderball ");
        said +=
            QString::number(tag < kFirstThunderballCell ? tag : tag - kFirstThunderballCell + 1);
    }
    m_grid->setAccessibleDescription(said);
}

void BoardsView::StepTo(int board) {
    while (m_run.currentBoardNumber() < board && m_run.StepToNextBoard()) {
    }
    while (m_run.currentBoardNumber() > board && m_run.StepToPreviousBoard()) {
    }
    UpdateBoardLabels();
    BuildCurrentBoard();
}

void BoardsView::FormShow() {
    SetBoardsViewCaptions();
    m_grid->ApplyGridStyle(m_settings.gridStyle);
    const int index = CurrentSystemIndex(m_systemList);
    m_run.StartRun(index);
    if (!IsSystemIndex(index))
        return;
    m_description->setText(QString::fromStdString(DescribeSystem(index)));
    UpdateBoardLabels();
    BuildCurrentBoard();
}

void BoardsView::BuildCurrentBoard() {
    m_run.BuildBoard(m_run.currentBoardNumber(), m_selection);
}

void BoardsView::BitBtn4Click() {
    if (!m_run.StepToNextBoard())
        return;
    UpdateBoardLabels();
    BuildCurrentBoard();
}

void BoardsView::BitBtn3Click() {
    if (!m_run.StepToPreviousBoard())
        return;
    UpdateBoardLabels();
    BuildCurrentBoard();
}

void BoardsView::showEvent(QShowEvent* event) {
    if (!event->spontaneous())
        FormShow();
    QDialog::showEvent(event);
}

void BoardsView::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        m_grid->ApplyGridStyle(m_settings.gridStyle);
    QDialog::changeEvent(event);
}

} // namespace orvane
