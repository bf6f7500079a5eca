#pragma once
// The drop-down list of systems: each entry holds its description, blanks and the system's index,
// and shows its description alone, closed or opened, however wide it is drawn.

#include <QComboBox>

#include <functional>

namespace orvane {

class SystemListBox final : public QComboBox {
    Q_OBJECT
  public:
    explicit SystemListBox(QWidget* parent = nullptr);

    // Opens the list no wider than the box, or than its descriptions need.
    void showPopup() override;

    // Called before the player moves through the entries (opening the list, a key, the wheel), so
    // that entries read on demand (the player's wheels) are there; never at start-up.
    void setBeforeBrowsing(std::function<void()> before) { m_beforeBrowsing = std::move(before); }

  protected:
    void initStyleOption(QStyleOptionComboBox* option) const override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

  private:
    int widthForDescriptions() const;
    void beforeBrowsing();

    std::function<void()> m_beforeBrowsing;
};

} // namespace orvane
