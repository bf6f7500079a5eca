#pragma once
// The drop-down list of systems: each entry holds its description, blanks and the system's index,
// and shows its description alone, closed or opened, however wide it is drawn.

#include <QComboBox>

namespace orvane {

class SystemListBox final : public QComboBox {
    Q_OBJECT
  public:
    explicit SystemListBox(QWidget* parent = nullptr);

    // Opens the list no wider than the box, or than its descriptions need.
    void showPopup() override;

  protected:
    void initStyleOption(QStyleOptionComboBox* option) const override;

  private:
    int widthForDescriptions() const;
};

} // namespace orvane
