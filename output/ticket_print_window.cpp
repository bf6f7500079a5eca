#include "output/ticket_print_window.h"

#include "common/glyphs.h"
#include "common/gradient_backdrop.h"
#include "common/pictures.h"
#include "common/window_style.h"
#include "output/ticket_layout.h"
#include "output/ticket_printing.h"
#include "wheels/system_list.h"
#include "wheels/wheel_catalogue.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>

namespace orvane {

namespace {

// The range fields take digits only: every other typed character, Backspace included, is
// dropped. Keys that type nothing (arrows, Delete, Tab) keep their usual effect.
class DigitsOnly final : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Backspace)
            return true;
        const QString text = key->text();
        if (text.isEmpty() || !text.at(0).isPrint())
            return false;
        return !(text.size() == 1 && text.at(0) >= u'0' && text.at(0) <= u'9');
    }
};

QLineEdit* rangeField(QWidget* parent, const char* name, const QString& hint, QObject* filter,
                      QRect geometry) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(QLatin1String(name));
    field->setMaxLength(4);
    field->setToolTip(hint);
    field->installEventFilter(filter);
    field->setGeometry(geometry);
    return field;
}

QLabel* label(QWidget* parent, const char* name, QPoint at) {
    auto* l = new QLabel(parent);
    l->setObjectName(QLatin1String(name));
    l->move(at);
    return l;
}

QPushButton* glyphButton(QWidget* parent, const char* name, const QPixmap& glyph, QRect geometry) {
    auto* b = new QPushButton(parent);
    b->setObjectName(QLatin1String(name));
    b->setIcon(glyph);
    b->setIconSize(glyph.size());
    b->setGeometry(geometry);
    return b;
}

} // namespace

TicketPrintWindow::TicketPrintWindow(BoardRun& run, const SelectionGrid& grid,
                                     const SystemList& list, const AppSettings& settings,
                                     Prompts& prompts, PrintCanvas& canvas, QWidget* parent)
    : QDialog(parent), m_run(run), m_grid(grid), m_systemList(list), m_settings(settings),
      m_prompts(prompts), m_canvas(canvas) {
    setObjectName(QStringLiteral("TForm7"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint);
    setFixedSize(477, 290);
    setFont(WindowFont(true));
    InstallBackdrop(this);

    label(this, "Label3", QPoint(20, 14));
    m_layouts = new QComboBox(this);
    m_layouts->setObjectName(QStringLiteral("ComboBox1"));
    m_layouts->setEditable(false);
    m_layouts->setGeometry(20, 32, 213, 22);

    auto* range = new QGroupBox(this);
    range->setObjectName(QStringLiteral("GroupBox3"));
    range->setGeometry(20, 68, 213, 88);
    auto* digitsOnly = new DigitsOnly(this);
    label(range, "Label1", QPoint(16, 27));
    m_first = rangeField(range, "Gpremier",
                         QStringLiteral("Entrez le numero de la première grille à imprimer"),
                         digitsOnly, QRect(70, 23, 60, 22));
    label(range, "Label2", QPoint(16, 57));
    m_last = rangeField(range, "gdernier",
                        QStringLiteral("Entrez le numero de la dernière grille à imprimer"),
                        digitsOnly, QRect(70, 53, 60, 22));

    auto* type = new QGroupBox(this);
    type->setObjectName(QStringLiteral("GroupBox2"));
    type->setGeometry(246, 14, 211, 142);
    m_allAtOnce = new QRadioButton(type);
    m_allAtOnce->setObjectName(QStringLiteral("bimptsbull"));
    m_allAtOnce->setGeometry(16, 36, 185, 22);
    m_allAtOnce->setChecked(true);
    m_ticketByTicket = new QRadioButton(type);
    m_ticketByTicket->setObjectName(QStringLiteral("bimpunbull"));
    m_ticketByTicket->setGeometry(16, 80, 185, 22);

    auto* more = new QGroupBox(this);
    more->setObjectName(QStringLiteral("GroupBox4"));
    more->setGeometry(20, 166, 437, 52);
    m_numberOnTop = new QCheckBox(more);
    m_numberOnTop->setObjectName(QStringLiteral("chNumticket"));
    m_numberOnTop->setText(QStringLiteral("Print the number of ticket on top of the ticket"));
    m_numberOnTop->setLayoutDirection(Qt::RightToLeft); // caption left of the box
    m_numberOnTop->move(16, 22);
    m_numberOnTop->adjustSize();

    auto* cancel = glyphButton(this, "boutannule", CrossGlyph(), QRect(20, 232, 150, 44));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* print = glyphButton(this, "boutlancer", TickGlyph(), QRect(307, 232, 150, 44));
    print->setDefault(true);
    connect(print, &QPushButton::clicked, this, [this] { boutlancerClick(); });

    SetPrintCaptions();
}

void TicketPrintWindow::SetPrintCaptions() {
    setWindowTitle(QStringLiteral("Print"));
    const auto setText = [this](const char* name, const char* text) {
        SetControlText(this, name, text);
    };
    setText("Label3", "TICKET TYPE");
    setText("GroupBox3", "Boards to print");
    setText("Label1", "First");
    setText("Label2", "Last");
    setText("GroupBox2", "Print Type");
    setText("bimptsbull", "Print all the tickets");
    setText("bimpunbull", "Stop after each ticket");
    setText("GroupBox4", "More");
    setText("boutannule", "Cancel");
    setText("boutlancer", "Print");
}

void TicketPrintWindow::formshow() {
    SetPrintCaptions();
    m_layouts->clear();
    for (const TicketLayout& layout : TicketLayouts())
        m_layouts->addItem(QString::fromUtf8(layout.layoutName));
    m_layouts->setCurrentIndex(0);
}

void TicketPrintWindow::activate() {
    const int index = CurrentSystemIndex(m_systemList);
    m_first->setText(QStringLiteral("1"));
    m_last->setText(QString::number(IsSystemIndex(index) ? WheelCatalogue(index).boardCount : 0));
}

void TicketPrintWindow::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        formshow();
        activate();
    }
    QDialog::showEvent(event);
}

void TicketPrintWindow::boutlancerClick() {
    const int selected = m_layouts->currentIndex();
    if (selected < 0)
        return;
    const PrintMode mode =
        m_allAtOnce->isChecked() ? PrintMode::AllAtOnce : PrintMode::TicketByTicket;
    const int first = LeadingNumber(m_first->text().toStdString());
    const int last = LeadingNumber(m_last->text().toStdString());
    const int index = CurrentSystemIndex(m_systemList);
    const int boardCount = IsSystemIndex(index) ? WheelCatalogue(index).boardCount : 0;
    if (!IsPrintableRange(first, last, boardCount)) {
        m_prompts.ask(IncorrectRangePrompt());
        return;
    }
    PrintTickets(m_run, m_grid, m_systemList, m_settings, m_canvas, m_prompts, selected + 1, mode,
                 first, last, m_numberOnTop->isChecked());
    accept();
}

} // namespace orvane
