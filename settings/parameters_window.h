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
    // OK writes into `settings`. The boxes are filled from `shown`, the settings as the program
    // read them at start, whenever the window is made; the shorter form fills them from
    // `settings`.
    ParametersWindow(AppSettings& settings, const AppSettings& shown, QWidget* parent = nullptr);
    explicit ParametersWindow(AppSettings& settings, QWidget* parent = nullptr)
        : ParametersWindow(settings, settings, parent) {}

    // OK: reads both boxes into the settings, writes back the hidden choices and closes.
    void bokClick();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void FormCreate(const AppSettings& shown);
    void ApplyParametersCaptions();

    AppSettings& m_settings;
    QLineEdit* m_horizontal = nullptr;
    QLineEdit* m_vertical = nullptr;
    QRadioButton* m_english = nullptr;
    QRadioButton* m_keno = nullptr;
    QRadioButton* m_bancoJass = nullptr;
};

} // namespace orvane
