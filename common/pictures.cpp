#include "common/pictures.h"

#include "common/kept_picture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmapCache>

namespace orvane {

QPixmap BlankPicture(int width, int height) {
    QPixmap pixmap(width, height);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

namespace {

QPixmap roundGlyph(const QColor& color, const QString& letter, int size) {
    QPixmap pixmap = BlankPicture(size, size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient shade(size * 0.35, size * 0.3, size * 0.7);
    shade.setColorAt(0, color.lighter(160));
    shade.setColorAt(1, color);
    p.setBrush(shade);
    p.setPen(QPen(color.darker(150), 1));
    p.drawEllipse(QRectF(1, 1, size - 2, size - 2));
    QFont font(QStringLiteral("Liberation Serif"));
    font.setBold(true);
    font.setPixelSize(size * 2 / 3);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, size, size), Qt::AlignCenter, letter);
    return pixmap;
}

} // namespace

QPixmap DrawTitlePicture() {
    QPixmap pixmap = BlankPicture(352, 47);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QFont font(QStringLiteral("Liberation Serif"));
    font.setBold(true);
    font.setItalic(true);
    font.setPixelSize(38);
    QPainterPath path;
    path.addText(0, 0, font, QStringLiteral("Orvane"));
    const QRectF bounds = path.boundingRect();
    path.translate(-bounds.left() + 8, -bounds.top() + 4);
    QLinearGradient fill(0, 4, 0, 4 + bounds.height());
    fill.setColorAt(0, QColor(40, 90, 200));
    fill.setColorAt(1, QColor(10, 30, 110));
    p.fillPath(path.translated(2, 2), QColor(0, 0, 0, 60));
    p.fillPath(path, fill);
    p.setPen(QPen(QColor(255, 255, 255, 180), 0.8));
    p.drawPath(path);

    QFont sub(QStringLiteral("Liberation Sans"));
    sub.setBold(true);
    sub.setPixelSize(12);
    p.setFont(sub);
    p.setPen(QColor(160, 20, 40));
    p.drawText(QRect(static_cast<int>(bounds.width()) + 22, 8, 352, 18),
               Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Thunderball wheeling systems"));
    p.setPen(QColor(60, 60, 60));
    sub.setBold(false);
    sub.setPixelSize(11);
    p.setFont(sub);
    p.drawText(QRect(static_cast<int>(bounds.width()) + 22, 26, 352, 16),
               Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("5 of 39  +  1 of 14"));
    return pixmap;
}

QPixmap TitlePicture() {
    // Both the main window and the about box show it; it is drawn once.
    const QString key = QStringLiteral("orvane-title");
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap))
        return pixmap;
    pixmap = KeptPicture(QStringLiteral("title"), DrawTitlePicture);
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

QPixmap DrawInformationGlyph() {
    return roundGlyph(QColor(30, 90, 190), QStringLiteral("i"), 28);
}

QPixmap InformationGlyph() {
    return KeptPicture(QStringLiteral("information-glyph"), DrawInformationGlyph);
}

QPixmap DrawHelpGlyph() {
    return roundGlyph(QColor(30, 140, 60), QStringLiteral("?"), 28);
}

QPixmap HelpGlyph() {
    return KeptPicture(QStringLiteral("help-glyph"), DrawHelpGlyph);
}

QPixmap ReturnGlyph() {
    QPixmap pixmap = BlankPicture(32, 32);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(30, 80, 170), 3.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath path(QPointF(25, 6));
    path.lineTo(25, 19);
    path.lineTo(8, 19);
    p.drawPath(path);
    p.drawLine(QPointF(8, 19), QPointF(14, 13));
    p.drawLine(QPointF(8, 19), QPointF(14, 25));
    return pixmap;
}

QPixmap CrossGlyph() {
    QPixmap pixmap = BlankPicture(24, 24);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(200, 30, 30), 3.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(6, 6), QPointF(18, 18));
    p.drawLine(QPointF(18, 6), QPointF(6, 18));
    return pixmap;
}

QPixmap TickGlyph() {
    QPixmap pixmap = BlankPicture(24, 24);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(30, 150, 50), 3.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath tick(QPointF(5, 13));
    tick.lineTo(10, 18);
    tick.lineTo(19, 6);
    p.drawPath(tick);
    return pixmap;
}

// A red lottery ball lit from the upper left, its white label carrying the program's initial.
QPixmap ProgramIconPicture(int size) {
    QPixmap pixmap = BlankPicture(size, size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    const QRectF ball(s / 32 + 0.5, s / 32 + 0.5, s - s / 16 - 1, s - s / 16 - 1);

    QRadialGradient shade(QPointF(s * 0.36, s * 0.3), s * 0.72, QPointF(s * 0.32, s * 0.26));
    shade.setColorAt(0, QColor(250, 110, 120));
    shade.setColorAt(0.55, QColor(200, 30, 58));
    shade.setColorAt(1, QColor(105, 8, 28));
    p.setPen(size >= 32 ? QPen(QColor(90, 5, 22), s / 96) : Qt::NoPen);
    p.setBrush(shade);
    p.drawEllipse(ball);

    const QRectF label(s * 0.25, s * 0.25, s * 0.5, s * 0.5);
    QRadialGradient paper(QPointF(s * 0.44, s * 0.42), s * 0.3);
    paper.setColorAt(0, Qt::white);
    paper.setColorAt(1, QColor(232, 226, 214));
    p.setPen(size >= 32 ? QPen(QColor(130, 20, 40, 140), s / 80) : Qt::NoPen);
    p.setBrush(paper);
    p.drawEllipse(label);

    // The initial "O" is drawn as a ring rather than set in a font: loading a font for each of
    // the icon's sizes would slow the program's start noticeably.
    const QRectF letterOutline(label.center().x() - s * 0.13, label.center().y() - s * 0.135,
                               s * 0.26, s * 0.27);
    // Thicker at the sides than at the top and bottom, as a bold letter is.
    const qreal side = qMax(1.5, s * 0.07), top = qMax(1.2, s * 0.05);
    QPainterPath letter;
    letter.addEllipse(letterOutline);
    letter.addEllipse(letterOutline.adjusted(side, top, -side, -top));
    letter.setFillRule(Qt::OddEvenFill);
    p.fillPath(letter, QColor(140, 12, 36));

    QLinearGradient gloss(0, ball.top(), 0, ball.top() + s * 0.34);
    gloss.setColorAt(0, QColor(255, 255, 255, 170));
    gloss.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(gloss);
    p.drawEllipse(QRectF(s * 0.2, ball.top() + s * 0.02, s * 0.5, s * 0.3));
    return pixmap;
}

QIcon ProgramIcon() {
    QIcon icon;
    for (const int size : kProgramIconSizes)
        icon.addPixmap(KeptPicture(QStringLiteral("icon-%1").arg(size),
                                   [size] { return ProgramIconPicture(size); }));
    return icon;
}

} // namespace orvane
