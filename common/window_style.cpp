#include "common/window_style.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>

namespace orvane {

QFont WindowFont(bool bold, int pixels) {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QLabel* PlaceLabel(QWidget* parent, const char* name, const QString& text, QPoint at) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    l->move(at);
    l->adjustSize();
    return l;
}

void SetControlText(QWidget* window, const char* name, const char* utf8Text) {
    const QString text = QString::fromUtf8(utf8Text);
    if (auto* button = window->findChild<QAbstractButton*>(QLatin1String(name))) {
        button->setText(text);
    } else if (auto* label = window->findChild<QLabel*>(QLatin1String(name))) {
        label->setText(text);
        label->adjustSize();
    } else if (auto* group = window->findChild<QGroupBox*>(QLatin1String(name))) {
        group->setTitle(text);
    }
}

} // namespace orvane
