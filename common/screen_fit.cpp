#include "common/screen_fit.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace orvane {

void KeepOnScreen(QWidget* window) {
    const QScreen* screen = window->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    // The frame (title bar, borders) takes room the window's own size does not count.
    const QSize frame = window->frameGeometry().size() - window->size();
    if (window->minimumSize() != window->maximumSize()) {
        const QSize fits(std::min(window->width(), area.width() - frame.width()),
                         std::min(window->height(), area.height() - frame.height()));
        if (fits != window->size())
            window->resize(fits.expandedTo(window->minimumSize()));
    }
    const QRect at = window->frameGeometry();
    const int x =
        std::clamp(at.x(), area.left(), std::max(area.left(), area.right() - at.width() + 1));
    const int y =
        std::clamp(at.y(), area.top(), std::max(area.top(), area.bottom() - at.height() + 1));
    if (QPoint(x, y) != at.topLeft())
        window->move(x, y);
}

KeepWindowsOnScreen::KeepWindowsOnScreen(QObject* parent) : QObject(parent) {}

bool KeepWindowsOnScreen::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        const Qt::WindowType type = widget->windowType();
        // Menus, lists dropped down and tips place themselves.
        if (widget->isWindow() && type != Qt::Popup && type != Qt::ToolTip &&
            type != Qt::SplashScreen)
            KeepOnScreen(widget);
    }
    return QObject::eventFilter(watched, event);
}

} // namespace orvane
