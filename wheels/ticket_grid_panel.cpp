#include "wheels/ticket_grid_panel.h"

#include "wheels/grid_pictures.h"
#include "wheels/selection_grid.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

namespace orvane {

GridCell::GridCell(int tag, QWidget* parent) : QWidget(parent), m_tag(tag) {
    setObjectName(QStringLiteral("cell%1").arg(tag));
    setAttribute(Qt::WA_TranslucentBackground);
    setCursor(Qt::PointingHandCursor);
}

void GridCell::setPicture(CellPicture picture) {
    if (picture == m_picture)
        return;
    m_picture = picture;
    update();
}

void GridCell::paintEvent(QPaintEvent*) {
    if (m_picture == CellPicture::Empty)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QPixmap& cross =
        m_picture == CellPicture::Fixed ? FixedCrossPicture() : SelectedCrossPicture();
    painter.drawPixmap(rect(), cross);
}

void GridCell::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton)
        Q_EMIT rightPressed(m_tag);
    m_leftDown = event->button() == Qt::LeftButton;
}

void GridCell::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = m_leftDown && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_leftDown = false;
    if (click)
        Q_EMIT leftClicked(m_tag);
}

TicketGridPanel::TicketGridPanel(GridPlacement placement, QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("pgrille"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    m_background = new QLabel(this);
    m_background->setObjectName(QStringLiteral("Image1"));
    m_background->move(PicturePosition(placement));
    m_background->setPixmap(TicketBoardPicture());
    m_background->adjustSize();
    for (int tag = 1; tag <= kLastScreenCell; ++tag) {
        auto* c = new GridCell(tag, this);
        c->setGeometry(QRect(CellPosition(placement, tag), CellSize(placement)));
        if (placement == GridPlacement::BoardsView)
            c->setAttribute(Qt::WA_TransparentForMouseEvents);
        m_cells[static_cast<std::size_t>(tag - 1)] = c;
    }
}

void TicketGridPanel::ShowCellsUpTo(int limit) {
    for (GridCell* c : m_cells)
        c->setVisible(c->tag() <= limit);
}

void TicketGridPanel::ApplyGridStyle(int gridStyle) {
    if (gridStyle == 0 || gridStyle == 1) {
        m_background->setPixmap(TicketBoardPicture());
        m_background->adjustSize();
        ShowCellsUpTo(70);
    } else if (gridStyle == 2) {
        m_background->clear();
        ShowCellsUpTo(36);
    }
}

} // namespace orvane
