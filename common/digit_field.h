#pragma once
// Edit fields the player types numbers into, and the one key filter that holds what they take.

#include <QRect>

class QLineEdit;
class QWidget;

namespace orvane {

// What a field takes: the characters typing may put in, the length typing stops at, and the
// longest text the field shows (a text set by the program may exceed what typing may reach).
struct TypingRule {
    bool (*keeps)(char32_t typed);
    int typedLength;
    int shownLength;
};

bool IsDigit(char32_t typed);

// A field named `name` that keeps only what `rule` lets through: any other typed character,
// Backspace included, is dropped, while keys that type nothing (arrows, Delete, Tab, Enter and the
// Ctrl shortcuts) keep their usual effect. Composed input is off: it would reach the field without
// a key press and slip past the filter.
QLineEdit* MakeDigitField(QWidget* parent, const char* name, QRect geometry, TypingRule rule);

} // namespace orvane
