#include "common/glyphs.h"

#include "common/pictures.h"

#include <QPainter>
#include <QPainterPath>

namespace orvane {

QPixmap PrinterGlyph() {
    QPixmap pixmap = BlankPicture(32, 32);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(60, 60, 60), 1.2));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(9.5, 3.5, 13, 10)); // sheet going in
    p.setBrush(QColor(150, 160, 175));
    p.drawRoundedRect(QRectF(3.5, 12.5, 25, 11), 2, 2); // body
    p.setBrush(QColor(90, 200, 90));
    p.drawEllipse(QPointF(24.5, 16), 1.4, 1.4);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(8.5, 19.5, 15, 9)); // sheet coming out
    p.setPen(QPen(QColor(40, 40, 40), 1));
    for (int y = 22; y <= 26; y += 2)
        p.drawLine(QPointF(10.5, y), QPointF(21.5, y));
    return pixmap;
}

QPixmap TicketGlyph() {
    QPixmap pixmap = BlankPicture(32, 32);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(170, 40, 40), 1.2));
    p.setBrush(QColor(255, 245, 225));
    p.drawRect(QRectF(6.5, 2.5, 19, 27));
    p.setPen(QPen(QColor(200, 120, 120), 0.8));
    for (int row = 0; row < 5; ++row)
        for (int column = 0; column < 4; ++column)
            p.drawRect(QRectF(9 + column * 4, 6 + row * 4.5, 2.5, 2.5));
    p.setPen(QPen(Qt::black, 1.6, Qt::SolidLine, Qt::FlatCap));
    for (const QPointF& at : {QPointF(13, 7.2), QPointF(9, 11.7), QPointF(21, 16.2),
                              QPointF(17, 20.7), QPointF(9, 25.2)})
        p.drawLine(at, at + QPointF(2.5, 0));
    return pixmap;
}

QPixmap ArrowGlyph(bool pointsLeft) {
    QPixmap pixmap = BlankPicture(32, 32);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QPolygonF arrow;
    arrow << QPointF(4, 16) << QPointF(16, 5) << QPointF(16, 11) << QPointF(28, 11)
          << QPointF(28, 21) << QPointF(16, 21) << QPointF(16, 27);
    if (!pointsLeft)
        for (QPointF& point : arrow)
            point.setX(32 - point.x());
    p.setPen(QPen(QColor(20, 60, 20), 1.2));
    p.setBrush(QColor(40, 150, 60));
    p.drawPolygon(arrow);
    return pixmap;
}

} // namespace orvane
