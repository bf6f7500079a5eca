#include "bench/support/first_paint.h"

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <memory>

namespace orvane::bench {

namespace {

// Watches every widget's events, since a window fully covered by its children may never receive
// a paint event of its own.
class PaintWatch final : public QObject {
  public:
    // Watches for a paint of a window `isWatched` accepts; dies with `owner`.
    PaintWatch(QObject* owner, std::function<bool(const QWidget*)> isWatched,
               std::function<void()> then)
        : QObject(owner), m_isWatched(std::move(isWatched)), m_then(std::move(then)) {
        qApp->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!m_seen && event->type() == QEvent::Paint && watched->isWidgetType() &&
            m_isWatched(static_cast<QWidget*>(watched)->window())) {
            m_seen = true;
            qApp->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                const std::function<void()> then = std::move(m_then);
                deleteLater();
                then();
            });
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    std::function<bool(const QWidget*)> m_isWatched;
    std::function<void()> m_then;
    bool m_seen = false;
};

} // namespace

void WhenPainted(QWidget* window, std::function<void()> then) {
    new PaintWatch(
        window, [window](const QWidget* painted) { return painted == window; }, std::move(then));
}

void WhenWindowPainted(const QString& objectName, std::function<void()> then) {
    new PaintWatch(
        qApp, [objectName](const QWidget* painted) { return painted->objectName() == objectName; },
        std::move(then));
}

bool WaitUntilPainted(QWidget* window) {
    QEventLoop loop;
    // Shared with the watch, which outlives this call when the paint never comes.
    const auto painted = std::make_shared<bool>(false);
    WhenPainted(window, [painted, loop = QPointer<QEventLoop>(&loop)] {
        *painted = true;
        if (loop)
            loop->quit();
    });
    // A timer that dies with this call: a pending single-shot per call would pile up in Qt's
    // timer list and slow every later call down.
    QTimer giveUp;
    giveUp.setSingleShot(true);
    QObject::connect(&giveUp, &QTimer::timeout, &loop, &QEventLoop::quit);
    giveUp.start(5000);
    loop.exec();
    return *painted;
}

bool WaitUntilAllPainted(std::initializer_list<QWidget*> windows) {
    QEventLoop loop;
    const auto waiting = std::make_shared<int>(static_cast<int>(windows.size()));
    for (QWidget* window : windows)
        WhenPainted(window, [waiting, loop = QPointer<QEventLoop>(&loop)] {
            if (--*waiting == 0 && loop)
                loop->quit();
        });
    QTimer giveUp;
    giveUp.setSingleShot(true);
    QObject::connect(&giveUp, &QTimer::timeout, &loop, &QEventLoop::quit);
    giveUp.start(5000);
    if (*waiting > 0)
        loop.exec();
    return *waiting == 0;
}

} // namespace orvane::bench
