#include "settings/parameters_window.h"

#include "common/digit_field.h"
#include "common/window_style.h"
#include "settings/app_settings.h"
#include "settings/offset_text.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>

namespace orvane {

namespace {

QGroupBox* hiddenGroup(QWidget* parent, const char* name, QRect geometry) {
    auto* group = new QGroupBox(parent);
    group->setObjectName(QLatin1String(name));
    group->setGeometry(geometry);
    group->hide();
    return group;
}

QRadioButton* radio(QGroupBox* group, const char* name, const QString& text, QPoint at) {
    auto* r = new QRadioButton(text, group);
    r->setObjectName(QLatin1String(name));
    r->move(at);
    r->adjustSize();
    return r;
}

// Only typing is held to the typed length: a longer value from the file is shown whole, up to the
// length of its text.
constexpr TypingRule kOffsetTyping{IsOffsetCharacter, kOffsetTypedLength, kOffsetTextLength};

} // namespace

ParametersWindow::ParametersWindow(AppSettings& settings, const AppSettings& shown, QWidget* parent)
    : QDialog(parent), m_settings(settings) {
    setObjectName(QStringLiteral("TForm9"));
    FrameDialog(this, {.size = {455, 288}});

    auto* printer = new QGroupBox(QStringLiteral("Printer"), this);
    printer->setObjectName(QStringLiteral("GroupBox1"));
    printer->setGeometry(82, 14, 290, 85);
    PlaceLabel(printer, "ldecalh", QStringLiteral("horizontal adj."), QPoint(17, 30));
    m_horizontal = MakeDigitField(printer, "edech", QRect(130, 26, 67, 21), kOffsetTyping);
    PlaceLabel(printer, "Label4", QStringLiteral("mm"), QPoint(205, 30));
    PlaceLabel(printer, "ldecalv", QStringLiteral("vertical adj."), QPoint(17, 62));
    m_vertical = MakeDigitField(printer, "edecv", QRect(131, 58, 67, 21), kOffsetTyping);
    PlaceLabel(printer, "Label3", QStringLiteral("mm"), QPoint(204, 63));

    // The language and the grid style have no visible control: these hidden choices carry the
    // settings through OK unchanged, except that a grid style of 0 comes back as Keno's 1.
    QGroupBox* language = hiddenGroup(this, "glangue", QRect(83, 99, 290, 54));
    radio(language, "lfrancais", QString(), QPoint(16, 22));
    m_english = radio(language, "langlais", QString(), QPoint(150, 22));
    QGroupBox* gridStyle = hiddenGroup(this, "Gtypegrille", QRect(83, 158, 290, 60));
    m_keno = radio(gridStyle, "gkenof", QStringLiteral("Keno"), QPoint(16, 26));
    m_bancoJass = radio(gridStyle, "gbancojass", QStringLiteral("BancoJass"), QPoint(150, 26));

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("bok"));
    ok->setFont(WindowFont(true));
    ok->setGeometry(189, 239, 77, 46);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] { bokClick(); });

    setTabOrder(m_horizontal, m_vertical);
    setTabOrder(m_vertical, ok);
    FormCreate(shown);
}

void ParametersWindow::FormCreate(const AppSettings& shown) {
    // The boxes are filled once per run: what the player types stays until the next OK, even
    // across a close without OK.
    m_horizontal->setText(QString::fromStdString(OffsetText(shown.horizontalOffset)));
    m_vertical->setText(QString::fromStdString(OffsetText(shown.verticalOffset)));
    m_english->setChecked(true);
    if (shown.gridStyle == 0 || shown.gridStyle == 1)
        m_keno->setChecked(true);
    else if (shown.gridStyle == 2)
        m_bancoJass->setChecked(true);
    ApplyParametersCaptions();
}

void ParametersWindow::ApplyParametersCaptions() {
    setWindowTitle(QStringLiteral("Parameters"));
}

void ParametersWindow::bokClick() {
    m_settings.horizontalOffset = OffsetFromText(m_horizontal->text().toStdString());
    m_settings.verticalOffset = OffsetFromText(m_vertical->text().toStdString());
    m_settings.language = kLanguageEnglish;
    if (m_keno->isChecked())
        m_settings.gridStyle = 1;
    else if (m_bancoJass->isChecked())
        m_settings.gridStyle = 2;
    accept();
}

void ParametersWindow::showEvent(QShowEvent* event) {
    if (!event->spontaneous())
        ApplyParametersCaptions();
    QDialog::showEvent(event);
}

} // namespace orvane
