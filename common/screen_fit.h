#pragma once
// Keeping every window whole on the screen it opens on, however small the screen or large its
// scale.

#include <QObject>

class QWidget;

namespace orvane {

// Shrinks a window that may be resized to the available area of its screen, and moves any window
// so that it lies within that area, as far as its size allows.
void KeepOnScreen(QWidget* window);

// Does that for every window of the application as it opens.
class KeepWindowsOnScreen final : public QObject {
  public:
    explicit KeepWindowsOnScreen(QObject* parent = nullptr);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace orvane
