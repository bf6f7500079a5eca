#pragma once
// The "Parameters" window: the two printer adjustments, in millimetres, applied on OK.

#include <QDialog>

class QLineEdit;
class QRadioButton;

namespace orvane {

struct AppSettings;

class ParametersWindow final : public QDialog {
    Q_OBJECT
  public:
    explicit ParametersWindow(AppSettings& settings, QWidget* parent = nullptr);

    // OK: reads both boxes into the settings, writes back the hidden choices and closes.
    void bokClick();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void FormCreate();
    void ApplyParametersCaptions();

    AppSettings& m_settings;
    QLineEdit* m_horizontal = nullptr;
    QLineEdit* m_vertical = nullptr;
    QRadioButton* m_english = nullptr;
    QRadioButton* m_keno = nullptr;
    QRadioButton* m_bancoJass = nullptr;
};

} // namespace orvane
