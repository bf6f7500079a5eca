#include "wheels/boards_view.h"

#include "app/session.h"
#include "common/glyphs.h"
#include "common/gradient_backdrop.h"
#include "common/pictures.h"
#include "common/window_style.h"
#include "wheels/ticket_grid_panel.h"
#include "wheels/wheel_catalogue.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

namespace orvane {

BoardsView::BoardsView(Session& session, QWidget* parent) : QDialog(parent), m_session(session) {
    setObjectName(QStringLiteral("TForm2"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint |
                   Qt::WindowMinimizeButtonHint);
    setFixedSize(530, 287);
    setFont(WindowFont(true));
    InstallBackdrop(this);

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
    connect(previous, &QPushButton::clicked, this, [this] { BitBtn3Click(); });
    auto* next =
        MakeGlyphButton(this, "BitBtn4", ArrowGlyph(false), QString(), QRect(448, 93, 80, 38));
    next->setToolTip(QStringLiteral("Next board"));
    connect(next, &QPushButton::clicked, this, [this] { BitBtn4Click(); });

    auto* back = MakeGlyphButton(this, "BitBtn1", ReturnGlyph(), QStringLiteral("Return"),
                                 QRect(365, 242, 164, 38));
    back->setIconSize(QSize(20, 20)); // the return glyph drawn smaller than its own size
    connect(back, &QPushButton::clicked, this, &QDialog::accept);

    SetBoardsViewCaptions();
    m_session.run.setBoardBuiltListener([this] { ShowCurrentBoard(); });
}

void BoardsView::SetBoardsViewCaptions() {
    setWindowTitle(QStringLiteral("Boards to play"));
}

void BoardsView::UpdateBoardLabels() {
    m_boardNumber->setText(QString::number(m_session.run.currentBoardNumber()));
    m_boardCount->setText(QString::number(m_session.run.boardCount()));
}

void BoardsView::ShowCurrentBoard() {
    for (int tag = 1; tag <= kLastScreenCell; ++tag)
        m_grid->cell(tag)->setPicture(m_session.run.currentBoard(tag) == 0 ? CellPicture::Empty
                                                                           : CellPicture::Selected);
}

void BoardsView::FormShow() {
    SetBoardsViewCaptions();
    m_grid->ApplyGridStyle(m_session.settings.gridStyle);
    const int index = CurrentSystemIndex(m_session.systemList);
    m_session.startRunOfChosenSystem();
    if (!IsSystemIndex(index))
        return;
    m_description->setText(QString::fromStdString(DescribeSystem(index)));
    UpdateBoardLabels();
    m_session.buildBoard(m_session.run.currentBoardNumber());
}

void BoardsView::BitBtn4Click() {
    if (!m_session.run.StepToNextBoard())
        return;
    UpdateBoardLabels();
    m_session.buildBoard(m_session.run.currentBoardNumber());
}

void BoardsView::BitBtn3Click() {
    if (!m_session.run.StepToPreviousBoard())
        return;
    UpdateBoardLabels();
    m_session.buildBoard(m_session.run.currentBoardNumber());
}

void BoardsView::showEvent(QShowEvent* event) {
    if (!event->spontaneous())
        FormShow();
    QDialog::showEvent(event);
}

void BoardsView::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        m_grid->ApplyGridStyle(m_session.settings.gridStyle);
    QDialog::changeEvent(event);
}

} // namespace orvane
