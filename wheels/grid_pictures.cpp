#include "wheels/grid_pictures.h"

#include "common/kept_picture.h"
#include "common/pictures.h"
#include "wheels/grid_geometry.h"
#include "wheels/selection_grid.h"

#include <QPainter>
#include <QPainterPath>

namespace orvane {

namespace {

const QColor kTicketInk(196, 30, 58);
const QColor kTicketPaper(255, 250, 240);

} // namespace

QPixmap DrawTicketBoardPicture() {
    QPixmap pixmap(356, 119);
    pixmap.fill(kTicketPaper);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(kTicketInk, 1));
    // The panel shows only the first 352 columns of the picture, so the frame closes there.
    p.drawRect(0, 0, 351, 118);

    QFont heading(QStringLiteral("Liberation Sans"));
    heading.setPixelSize(9);
    heading.setBold(true);
    p.setFont(heading);
    p.drawText(QRect(4, 4, 230, 14), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("MAIN NUMBERS  -  mark 5"));
    p.drawText(QRect(232, 4, 114, 14), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("THUNDERBALL  -  mark 1"));
    p.drawLine(228, 20, 228, 112);

    QFont digits(QStringLiteral("Liberation Sans"));
    digits.setPixelSize(9);
    p.setFont(digits);
    const QPoint origin = PicturePosition(GridPlacement::MainWindow);
    const QSize cell = CellSize(GridPlacement::MainWindow);
    for (int c = 1; c <= kLastScreenCell; ++c) {
        const QRect box(CellPosition(GridPlacement::MainWindow, c) - origin, cell);
        const int number = c <= kMainNumbers ? c : c - kMainNumbers;
        p.setPen(QPen(kTicketInk, 1));
        p.setBrush(Qt::white);
        p.drawRect(box.adjusted(1, 0, -2, -1));
        p.drawText(box.adjusted(1, 0, -1, 0), Qt::AlignCenter, QString::number(number));
    }
    return pixmap;
}

namespace {

QPixmap drawCross(const QColor& color) {
    QPixmap pixmap = BlankPicture(14, 20);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(color, 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(2, 2), QPointF(12, 18));
    p.drawLine(QPointF(12, 2), QPointF(2, 18));
    return pixmap;
}

} // namespace

const QPixmap& TicketBoardPicture() {
    static const QPixmap picture =
        KeptPicture(QStringLiteral("ticket-board"), DrawTicketBoardPicture);
    return picture;
}

const QPixmap& SelectedCrossPicture() {
    static const QPixmap picture = drawCross(Qt::black);
    return picture;
}

const QPixmap& FixedCrossPicture() {
    static const QPixmap picture = drawCross(QColor(220, 0, 0));
    return picture;
}

} // namespace orvane
