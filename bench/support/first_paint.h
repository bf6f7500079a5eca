#pragma once
// Knowing when a window's pixels have reached the window system.

#include <functional>
#include <initializer_list>

class QString;
class QWidget;

namespace orvane::bench {

// Runs `then` once, after the next paint of `window` (the window itself or any widget in it) has
// been flushed: the paint events of one repaint are sent together and the backing store is
// flushed right after them, so `then` runs on the following turn of the event loop.
void WhenPainted(QWidget* window, std::function<void()> then);

// The same for the next paint of a window named `objectName`, which need not exist yet: for a
// window created by what is timed.
void WhenWindowPainted(const QString& objectName, std::function<void()> then);

// Turns the event loop until `window` has been painted and flushed, as WhenPainted sees it;
// false when that has not happened within five seconds.
bool WaitUntilPainted(QWidget* window);
// The same for several windows repainted by one change (a window and the charts beside it), watched
// from the same moment, so that one painted while waiting for another is not missed.
bool WaitUntilAllPainted(std::initializer_list<QWidget*> windows);

} // namespace orvane::bench
