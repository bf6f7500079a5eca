#pragma once
// A shown window's pixels as its repaints left them on the screen, against the window drawn
// whole: a control that repaints only itself when it changes must leave the pixels a full
// redraw gives.

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QWidget>

namespace orvane::test {

// What `window` shows once shown and repainted as asked (the offscreen platform's screen holds
// each window's last painted pixels). The repaint request is sent straight away: from inside a
// queued call, as a modal window's test runs, a turn of the event loop leaves it queued.
inline QImage OnScreen(QWidget* window) {
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(window, QEvent::UpdateRequest);
    return window->screen()
        ->grabWindow(window->winId())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

// `window` drawn from scratch.
inline QImage DrawnWhole(QWidget* window) {
    return window->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace orvane::test
