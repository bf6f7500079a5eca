#pragma once
// Driving the platform's file dialog in a test: an action queued before the call that opens it.

#include <QApplication>
#include <QFileDialog>
#include <QTimer>
#include <functional>

namespace orvane::test {

// Runs `action` on the file dialog once it is open.
inline void WhenDialogOpens(std::function<void(QFileDialog&)> action, int attempts = 500) {
    QTimer::singleShot(0, [action, attempts] {
        if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget()))
            action(*dialog);
        else if (attempts > 0)
            WhenDialogOpens(action, attempts - 1);
    });
}

} // namespace orvane::test
