#include "settings/parameters_window.h"

#include "common/gradient_backdrop.h"
#include "common/window_style.h"
#include "settings/app_settings.h"
#include "settings/offset_text.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <optional>

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

// The character a key press types into a box, if it types one. Backspace counts as typed, so the
// filter discards it with the letters; Delete, Enter, Escape, Tab and the Ctrl shortcuts carry
// control codes and type nothing, and keys such as the arrows carry no text at all.
std::optional<char32_t> typedCharacter(const QKeyEvent& key) {
    if (key.key() == Qt::Key_Backspace)
        return U'\b';
    const QList<uint> text = key.text().toUcs4();
    if (text.isEmpty())
        return std::nullopt;
    const char32_t c = text.front();
    if (c < 0x20 || c == 0x7F)
        return std::nullopt;
    return c;
}

// Whether typing one character into the box leaves it within the typed length, once the typed
// character has replaced the selection.
bool hasRoomToType(const QLineEdit& box) {
    return box.text().size() - box.selectedText().size() < kOffsetTypedLength;
}

} // namespace

ParametersWindow::ParametersWindow(AppSettings& settings, QWidget* parent)
    : QDialog(parent), m_settings(settings) {
    setObjectName(QStringLiteral("TForm9"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint);
    setFixedSize(455, 288);
    setFont(WindowFont(false));
    InstallBackdrop(this);

    auto* printer = new QGroupBox(this);
    printer->setObjectName(QStringLiteral("GroupBox1"));
    printer->setGeometry(82, 14, 290, 85);
    PlaceLabel(printer, "ldecalh", QString(), QPoint(17, 30));
    m_horizontal = offsetBox(printer, "edech", QRect(130, 26, 67, 21));
    PlaceLabel(printer, "Label4", QStringLiteral("mm"), QPoint(205, 30));
    PlaceLabel(printer, "ldecalv", QString(), QPoint(17, 62));
    m_vertical = offsetBox(printer, "edecv", QRect(131, 58, 67, 21));
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
    FormCreate();
}

QLineEdit* ParametersWindow::offsetBox(QWidget* parent, const char* name, QRect geometry) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(geometry);
    // Only typing is held to the typed length (in the key filter): a longer value from the file
    // is shown whole, up to the length of its text.
    box->setMaxLength(kOffsetTextLength);
    // Composed input would reach the box without a key press and slip past the filter.
    box->setAttribute(Qt::WA_InputMethodEnabled, false);
    box->installEventFilter(this);
    return box;
}

void ParametersWindow::FormCreate() {
    // The boxes are filled once per run: what the player types stays until the next OK, even
    // across a close without OK.
    m_horizontal->setText(QString::fromStdString(OffsetText(m_settings.horizontalOffset)));
    m_vertical->setText(QString::fromStdString(OffsetText(m_settings.verticalOffset)));
    m_english->setChecked(true);
    if (m_settings.gridStyle == 0 || m_settings.gridStyle == 1)
        m_keno->setChecked(true);
    else if (m_settings.gridStyle == 2)
        m_bancoJass->setChecked(true);
    ApplyParametersCaptions();
}

void ParametersWindow::ApplyParametersCaptions() {
    setWindowTitle(QStringLiteral("Parameters"));
    findChild<QGroupBox*>(QStringLiteral("GroupBox1"))->setTitle(QStringLiteral("Printer"));
    for (const auto& [name, text] :
         {std::pair{"ldecalh", "horizontal adj."}, std::pair{"ldecalv", "vertical adj."}}) {
        auto* l = findChild<QLabel*>(QLatin1String(name));
        l->setText(QString::fromUtf8(text));
        l->adjustSize();
    }
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

bool ParametersWindow::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == m_horizontal || watched == m_vertical) && event->type() == QEvent::KeyPress) {
        const std::optional<char32_t> typed = typedCharacter(*static_cast<QKeyEvent*>(event));
        if (typed &&
            (!IsOffsetCharacter(*typed) || !hasRoomToType(*static_cast<QLineEdit*>(watched))))
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace orvane
