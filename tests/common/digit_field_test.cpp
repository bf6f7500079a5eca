#include "common/digit_field.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWidget>
#include <gtest/gtest.h>

namespace orvane {
namespace {

bool keepsDigitsAndPlus(char32_t typed) {
    return IsDigit(typed) || typed == U'+';
}

// Three characters by typing, five shown.
constexpr TypingRule kRule{keepsDigitsAndPlus, 3, 5};

void press(QLineEdit* field, Qt::Key key, const QString& text,
           Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent event(QEvent::KeyPress, key, modifiers, text);
    QCoreApplication::sendEvent(field, &event);
}

TEST(DigitField, TypingKeepsOnlyWhatTheRuleTakesUpToItsLength) {
    struct Case {
        const char* what;
        const char* before;
        Qt::Key key;
        QString text;
        const char* after;
    };
    const Case cases[] = {
        {"a kept character", "1", Qt::Key_2, QStringLiteral("2"), "12"},
        {"another kept character", "1", Qt::Key_Plus, QStringLiteral("+"), "1+"},
        {"a letter", "1", Qt::Key_A, QStringLiteral("a"), "1"},
        {"Backspace", "12", Qt::Key_Backspace, QStringLiteral("\b"), "12"},
        {"a key text of several characters, one of them not kept", "1", Qt::Key_unknown,
         QStringLiteral("2a"), "1"},
        {"a key text of several kept characters", "1", Qt::Key_unknown, QStringLiteral("23"),
         "123"},
        {"a key text that would pass the typed length", "12", Qt::Key_unknown, QStringLiteral("34"),
         "12"},
        {"a kept character past the typed length", "123", Qt::Key_4, QStringLiteral("4"), "123"},
        {"a kept character into a longer stored text", "12345", Qt::Key_6, QStringLiteral("6"),
         "12345"},
        {"Delete, which types nothing", "12", Qt::Key_Delete, QStringLiteral("\x7f"), "1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QWidget parent;
        QLineEdit* field = MakeDigitField(&parent, "field", QRect(0, 0, 60, 22), kRule);
        field->setText(QString::fromLatin1(c.before));
        if (c.key == Qt::Key_Delete)
            field->setCursorPosition(1);
        press(field, c.key, c.text);
        EXPECT_EQ(field->text(), QString::fromLatin1(c.after));
    }
}

TEST(DigitField, ReplacingTheSelectionNeedsNoRoomAndComposedInputIsOff) {
    QWidget parent;
    QLineEdit* field = MakeDigitField(&parent, "field", QRect(0, 0, 60, 22), kRule);
    EXPECT_EQ(field->objectName(), QStringLiteral("field"));
    EXPECT_EQ(field->maxLength(), 5);
    EXPECT_FALSE(field->testAttribute(Qt::WA_InputMethodEnabled));
    field->setText(QStringLiteral("12345"));
    field->setSelection(0, 3);
    press(field, Qt::Key_9, QStringLiteral("9"));
    EXPECT_EQ(field->text(), QStringLiteral("945"));
}

} // namespace
} // namespace orvane
