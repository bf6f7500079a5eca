#include "wheels/ticket_grid_panel.h"

#include "wheels/grid_pictures.h"
#include "wheels/selection_grid.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cstdlib>
#include <limits>
#include <vector>

namespace orvane {

namespace {

// What a screen reader says of a cell after its number.
QString StateName(CellPicture picture) {
    return picture == CellPicture::Fixed      ? QStringLiteral("fixed")
           : picture == CellPicture::Selected ? QStringLiteral("selected")
                                              : QStringLiteral("not marked");
}

// A cell as a screen reader meets it: a check box named for its number, checked while marked,
// its state (not marked, selected, fixed) as its description; pressing it is a left click.
class GridCellAccessible final : public QAccessibleWidget {
  public:
    explicit GridCellAccessible(GridCell* cell) : QAccessibleWidget(cell, QAccessible::CheckBox) {
        addControllingSignal(QStringLiteral("leftClicked(int)"));
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = cell()->picture() != CellPicture::Empty;
        s.focused = cell()->isKeyboardFocus();
        return s;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (action == pressAction())
            Q_EMIT cell()->leftClicked(cell()->tag());
    }

  private:
    GridCell* cell() const { return static_cast<GridCell*>(widget()); }
};

QAccessibleInterface* GridCellAccessibleFactory(const QString&, QObject* object) {
    if (auto* cell = qobject_cast<GridCell*>(object))
        return new GridCellAccessible(cell);
    return nullptr;
}

const QPixmap& CrossPicture(CellPicture picture) {
    return picture == CellPicture::Fixed ? FixedCrossPicture() : SelectedCrossPicture();
}

// A cross over a cell `pixels` device pixels large on a screen scaled by `ratio`, made as a cell
// would draw it there (the picture scaled smoothly onto the cell) but once per size rather than
// on every paint: a marked cell is repainted whenever the board shown changes it.
QPixmap ScaledCross(CellPicture picture, QSize pixels, qreal ratio) {
    struct Made {
        CellPicture picture;
        QSize pixels;
        qreal ratio;
        QPixmap cross;
    };
    static std::vector<Made> made; // two crosses by the few cell sizes and screen scales
    for (const Made& m : made)
        if (m.picture == picture && m.pixels == pixels && m.ratio == ratio)
            return m.cross;
    QPixmap cross(pixels);
    cross.fill(Qt::transparent);
    QPainter painter(&cross);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(cross.rect(), CrossPicture(picture));
    painter.end();
    cross.setDevicePixelRatio(ratio);
    made.push_back({picture, pixels, ratio, cross});
    return cross;
}

} // namespace

GridCell::GridCell(int tag, QWidget* parent) : QWidget(parent), m_tag(tag) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(GridCellAccessibleFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    setObjectName(QStringLiteral("cell%1").arg(tag));
    setAttribute(Qt::WA_TranslucentBackground);
    setCursor(Qt::PointingHandCursor);
}

void GridCell::setPicture(CellPicture picture) {
    if (picture == m_picture)
        return;
    m_picture = picture;
    setAccessibleDescription(StateName(picture));
    update();
}

void GridCell::setTicketUnder(const QPixmap& ticket, QPoint corner) {
    if (ticket.cacheKey() == m_ticket.cacheKey() && corner == m_ticketCorner)
        return;
    m_ticket = ticket;
    m_ticketCorner = corner;
    choosePaintingTicket();
    update();
}

void GridCell::choosePaintingTicket() {
    setAttribute(Qt::WA_OpaquePaintEvent,
                 !m_ticket.isNull() && isEnabled() && devicePixelRatio() == 1.0);
}

void GridCell::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange)
        choosePaintingTicket();
    QWidget::changeEvent(event);
}

bool GridCell::event(QEvent* event) {
    // Sent when the window moves to another screen, whose scale may differ.
    if (event->type() == QEvent::ScreenChangeInternal)
        choosePaintingTicket();
    return QWidget::event(event);
}

void GridCell::setKeyboardFocus(bool focus) {
    if (focus == m_keyboardFocus)
        return;
    m_keyboardFocus = focus;
    update();
}

QString GridCell::numberName() const {
    return m_tag < kFirstThunderballCell
               ? QStringLiteral("Main number %1").arg(m_tag)
               : QStringLiteral("Thunderball %1").arg(m_tag - kFirstThunderballCell + 1);
}

void GridCell::paintEvent(QPaintEvent*) {
    const bool ticket = testAttribute(Qt::WA_OpaquePaintEvent);
    if (m_picture == CellPicture::Empty && !m_keyboardFocus && !ticket)
        return;
    QPainter painter(this);
    // The picture placed from its own corner, unscaled, as the background label draws it.
    if (ticket)
        painter.drawPixmap(m_ticketCorner, m_ticket);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (m_picture != CellPicture::Empty) {
        // Where the cell covers whole device pixels (any whole screen scale) the cross scaled
        // once is copied; elsewhere it is scaled here, as it was made.
        const QRectF device = painter.deviceTransform().mapRect(QRectF(rect()));
        if (painter.deviceTransform().type() <= QTransform::TxScale &&
            device == QRectF(device.toRect()))
            painter.drawPixmap(
                rect(), ScaledCross(m_picture, device.size().toSize(), device.width() / width()));
        else
            painter.drawPixmap(rect(), CrossPicture(m_picture));
    }
    if (m_keyboardFocus) {
        // A blue frame on the cell's edge: strong against the red ticket, leaving the number be.
        painter.setPen(QPen(QColor(0, 90, 220), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
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

TicketGridPanel::TicketGridPanel(GridPlacement placement, QWidget* parent)
    : QFrame(parent), m_takesKeys(placement == GridPlacement::MainWindow) {
    setObjectName(QStringLiteral("pgrille"));
    if (m_takesKeys) {
        setFocusPolicy(Qt::StrongFocus);
        setAccessibleName(QStringLiteral("Number grid"));
        setAccessibleDescription(
            QStringLiteral("Arrow keys move, Space selects, Shift+Space fixes a number"));
    }
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    m_background = new QLabel(this);
    m_background->setObjectName(QStringLiteral("Image1"));
    m_background->move(PicturePosition(placement));
    for (int tag = 1; tag <= kLastScreenCell; ++tag) {
        auto* c = new GridCell(tag, this);
        c->setGeometry(QRect(CellPosition(placement, tag), CellSize(placement)));
        if (placement == GridPlacement::BoardsView)
            c->setAttribute(Qt::WA_TransparentForMouseEvents);
        c->setAccessibleName(c->numberName());
        c->setAccessibleDescription(StateName(CellPicture::Empty));
        m_cells[static_cast<std::size_t>(tag - 1)] = c;
    }
    showTicketPicture(true);
}

void TicketGridPanel::showTicketPicture(bool shown) {
    if (shown) {
        m_background->setPixmap(TicketBoardPicture());
        m_background->adjustSize();
    } else {
        m_background->clear();
    }
    for (GridCell* c : m_cells)
        c->setTicketUnder(shown ? TicketBoardPicture() : QPixmap(), m_background->pos() - c->pos());
}

void TicketGridPanel::ShowCellsUpTo(int limit) {
    for (GridCell* c : m_cells)
        c->setVisible(c->tag() <= limit);
}

void TicketGridPanel::ApplyGridStyle(int gridStyle) {
    if (gridStyle == 0 || gridStyle == 1) {
        showTicketPicture(true);
        ShowCellsUpTo(70);
    } else if (gridStyle == 2) {
        showTicketPicture(false);
        ShowCellsUpTo(36);
    }
}

int TicketGridPanel::neighbour(int step, int rows) const {
    const GridCell* from = cell(m_keyboardCell);
    if (rows == 0) {
        for (int tag = m_keyboardCell + step; tag >= 1 && tag <= kLastScreenCell; tag += step)
            if (!cell(tag)->isHidden())
                return tag;
        return m_keyboardCell;
    }
    // Up or down: on the nearest row of cells that way, the visible cell nearest across.
    const QPoint at = from->geometry().center();
    const auto gapTo = [&](const GridCell* c) {
        return (c->geometry().center().y() - at.y()) * rows;
    };
    int nearestRow = std::numeric_limits<int>::max();
    for (const GridCell* c : m_cells)
        if (!c->isHidden() && gapTo(c) > c->height() / 2)
            nearestRow = std::min(nearestRow, gapTo(c));
    int best = m_keyboardCell;
    int bestAcross = std::numeric_limits<int>::max();
    for (const GridCell* c : m_cells) {
        if (c->isHidden() || std::abs(gapTo(c) - nearestRow) > c->height() / 2)
            continue;
        const int across = std::abs(c->geometry().center().x() - at.x());
        if (across < bestAcross) {
            best = c->tag();
            bestAcross = across;
        }
    }
    return best;
}

void TicketGridPanel::moveKeyboardTo(int tag) {
    cell(m_keyboardCell)->setKeyboardFocus(false);
    m_keyboardCell = tag;
    showKeyboardFocus(hasFocus());
}

void TicketGridPanel::showKeyboardFocus(bool shown) {
    GridCell* c = cell(m_keyboardCell);
    c->setKeyboardFocus(shown);
    if (shown) {
        // A screen reader follows the cell the keyboard is on.
        QAccessibleEvent event(c, QAccessible::Focus);
        QAccessible::updateAccessibility(&event);
    }
}

void TicketGridPanel::keyPressEvent(QKeyEvent* event) {
    if (!m_takesKeys) {
        QFrame::keyPressEvent(event);
        return;
    }
    if (cell(m_keyboardCell)->isHidden())
        moveKeyboardTo(1);
    switch (event->key()) {
    case Qt::Key_Left:
        moveKeyboardTo(neighbour(-1, 0));
        return;
    case Qt::Key_Right:
        moveKeyboardTo(neighbour(+1, 0));
        return;
    case Qt::Key_Up:
        moveKeyboardTo(neighbour(0, -1));
        return;
    case Qt::Key_Down:
        moveKeyboardTo(neighbour(0, +1));
        return;
    case Qt::Key_Space:
        if (event->modifiers() & Qt::ShiftModifier)
            Q_EMIT cell(m_keyboardCell)->rightPressed(m_keyboardCell);
        else
            Q_EMIT cell(m_keyboardCell)->leftClicked(m_keyboardCell);
        return;
    case Qt::Key_Menu:
        Q_EMIT cell(m_keyboardCell)->rightPressed(m_keyboardCell);
        return;
    default:
        QFrame::keyPressEvent(event);
    }
}

void TicketGridPanel::focusInEvent(QFocusEvent* event) {
    QFrame::focusInEvent(event);
    if (m_takesKeys)
        showKeyboardFocus(true);
}

void TicketGridPanel::focusOutEvent(QFocusEvent* event) {
    QFrame::focusOutEvent(event);
    if (m_takesKeys)
        cell(m_keyboardCell)->setKeyboardFocus(false);
}

} // namespace orvane
