#include "common/gradient_backdrop.h"

#include <QEvent>
#include <QPainter>

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

void GradientBackdrop::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    for (int i = 0; i < kGradientBands; ++i) {
        const GradientBand band = GradientBandAt(i, height(), m_startColor, m_endColor);
        painter.fillRect(QRect(0, band.top, width(), band.bottom - band.top),
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
