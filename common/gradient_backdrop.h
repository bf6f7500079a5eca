#pragma once
// The vertical colour gradient painted under every window's controls.

#include "common/gradient_bands.h"

#include <QWidget>

namespace orvane {

class GradientBackdrop final : public QWidget {
    Q_OBJECT
  public:
    explicit GradientBackdrop(QWidget* parent);

    std::uint32_t startColor() const { return m_startColor; }
    std::uint32_t endColor() const { return m_endColor; }
    void setStartColor(std::uint32_t bbggrr);
    void setEndColor(std::uint32_t bbggrr);

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::uint32_t m_startColor = 0xFF0000;
    std::uint32_t m_endColor = 255;
};

// Puts the program's backdrop under every other control of `window`, filling it.
GradientBackdrop* InstallBackdrop(QWidget* window);

} // namespace orvane
