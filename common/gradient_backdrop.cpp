#include "common/gradient_backdrop.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

namespace orvane {

GradientBackdrop::GradientBackdrop(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("DegradeClass1"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    if (parent) {
        setGeometry(parent->rect());
        parent->installEventFilter(this);
    }
}

void GradientBackdrop::setStartColor(std::uint32_t bbggrr) {
    if (bbggrr == m_startColor)
        return;
    m_startColor = bbggrr;
    update();
}

void GradientBackdrop::setEndColor(std::uint32_t bbggrr) {
    if (bbggrr == m_endColor)
        return;
    m_endColor = bbggrr;
    update();
}

void GradientBackdrop::paintEvent(QPaintEvent* event) {
    // The backdrop is repainted under every translucent control that changes, often a few rows
    // of it at a time: only the bands across the rows asked for are filled, and only as wide as
    // asked, since the painter clips everything else away.
    const QRect dirty = event->rect();
    QPainter painter(this);
    // Band i ends on row (i + 1) * height / 256 rounded: two bands before the one that estimate
    // puts at the top row asked for comes no later than the first band that reaches it.
    const int first = std::max(0, dirty.top() * kGradientBands / std::max(1, height()) - 2);
    for (int i = first; i < kGradientBands; ++i) {
        if (GradientBandEnd(i, height()) <= dirty.top())
            continue;
        const GradientBand band = GradientBandAt(i, height(), m_startColor, m_endColor);
        if (band.top > dirty.bottom())
            break;
        painter.fillRect(QRect(dirty.left(), band.top, dirty.width(), band.bottom - band.top),
                         QColor(band.color.red, band.color.green, band.color.blue));
    }
}

bool GradientBackdrop::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(watched, event);
}

GradientBackdrop* InstallBackdrop(QWidget* window) {
    auto* backdrop = new GradientBackdrop(window);
    backdrop->setStartColor(kBackdropStartColor);
    backdrop->setEndColor(kBackdropEndColor);
    backdrop->lower();
    return backdrop;
}

} // namespace orvane
