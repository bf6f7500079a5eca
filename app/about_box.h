#pragma once
// The modeless "A propos" box: product name, version and the author's disclaimer.

#include <QDialog>

namespace orvane {

class AboutBox final : public QDialog {
    Q_OBJECT
  public:
    explicit AboutBox(QWidget* parent = nullptr);
};

} // namespace orvane
