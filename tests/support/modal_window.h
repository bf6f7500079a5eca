#pragma once
// A modal window in a test: opened by a step that blocks until it closes, acted in while it is
// open, and closed afterwards.

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace orvane::test {

// Runs `action` on the modal window once it is open, then lets the blocking call go on.
inline void WhenModal(std::function<void(QWidget*)> action, int attempts = 500) {
    QTimer::singleShot(0, [action, attempts] {
        if (QWidget* modal = QApplication::activeModalWidget())
            action(modal);
        else if (attempts > 0)
            WhenModal(action, attempts - 1); // not open yet: try on the next turn of the loop
    });
}

// Whether the window that opened is the one the step is meant to open.
using MeantWindow = std::function<bool(QWidget&)>;

inline bool AnyWindow(QWidget&) {
    return true;
}
inline MeantWindow Named(const char* objectName) {
    return [objectName](QWidget& window) { return window.objectName() == objectName; };
}
template <class Window> bool OfType(QWidget& window) {
    return qobject_cast<Window*>(&window) != nullptr;
}

// How a window left open is closed.
using Closing = std::function<void(QWidget&)>;

// With the title bar's close box.
inline void CloseBox(QWidget& window) {
    window.close();
}
// As its OK button does.
inline void Accepting(QWidget& window) {
    qobject_cast<QDialog*>(&window)->accept();
}
// With a click on its button named `button`.
inline Closing Pressing(const char* button) {
    return [button](QWidget& window) {
        auto* pressed = window.findChild<QAbstractButton*>(QLatin1String(button));
        if (!pressed) {
            ADD_FAILURE() << window.objectName().toStdString() << " has no button " << button;
            window.close();
            return;
        }
        QTest::mouseClick(pressed, Qt::LeftButton);
    };
}
// With the key `key`.
inline Closing PressingKey(Qt::Key key) {
    return [key](QWidget& window) { QTest::keyClick(&window, key); };
}

// Runs `open`, a step that opens a modal window and returns once it is closed. The window that
// opens is handed to `inside` if it is the one `meant` says, then closed with `close` if still
// open; a window not meant is closed at once, so the test fails rather than waits. True when the
// window meant opened.
[[nodiscard]] inline bool VisitModal(const std::function<void()>& open, const MeantWindow& meant,
                                     const std::function<void(QWidget&)>& inside,
                                     const Closing& close = CloseBox) {
    bool opened = false;
    WhenModal([&](QWidget* modal) {
        opened = meant(*modal);
        if (opened)
            inside(*modal);
        if (modal->isVisible())
            (opened ? close : CloseBox)(*modal);
    });
    open();
    return opened;
}

// The same for a window of type `Window`, handed to `inside` as one.
template <class Window>
[[nodiscard]] bool VisitModalOf(const std::function<void()>& open,
                                const std::function<void(Window&)>& inside,
                                const Closing& close = CloseBox) {
    return VisitModal(
        open, OfType<Window>, [&](QWidget& window) { inside(static_cast<Window&>(window)); },
        close);
}

} // namespace orvane::test
