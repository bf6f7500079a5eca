#include "common/digit_field.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace orvane {

namespace {

class TypingFilter final : public QObject {
  public:
    TypingFilter(TypingRule rule, QLineEdit* field) : QObject(field), m_rule(rule) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        return !keeps(*static_cast<QKeyEvent*>(event), *static_cast<QLineEdit*>(watched));
    }

  private:
    // Backspace types a character of its own, so it is dropped with the letters; control codes
    // and keys without text type nothing and pass.
    bool keeps(const QKeyEvent& key, const QLineEdit& field) const {
        if (key.key() == Qt::Key_Backspace)
            return false;
        const QList<uint> typed = key.text().toUcs4();
        if (typed.isEmpty() || typed.front() < 0x20 || typed.front() == 0x7F)
            return true;
        for (const uint c : typed)
            if (!m_rule.keeps(c))
                return false;
        // The typed text replaces the selection.
        const qsizetype kept = field.text().size() - field.selectedText().size();
        return kept + typed.size() <= m_rule.typedLength;
    }

    TypingRule m_rule;
};

} // namespace

bool IsDigit(char32_t typed) {
    return typed >= U'0' && typed <= U'9';
}

QLineEdit* MakeDigitField(QWidget* parent, const char* name, QRect geometry, TypingRule rule) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(QLatin1String(name));
    field->setGeometry(geometry);
    field->setMaxLength(rule.shownLength);
    field->setAttribute(Qt::WA_InputMethodEnabled, false);
    field->installEventFilter(new TypingFilter(rule, field));
    return field;
}

} // namespace orvane
