#pragma once
// What the program's windows share in looks: their font and how a label is placed.

#include <QFont>
#include <QPoint>
#include <QString>

class QLabel;
class QWidget;

namespace orvane {

// The windows' face, "MS Sans Serif" (mapped onto a metric-compatible face), at a pixel height.
QFont WindowFont(bool bold = false, int pixels = 11);

// A label named `name` with its top-left corner at `at`, sized to its text.
QLabel* PlaceLabel(QWidget* parent, const char* name, const QString& text, QPoint at);

// Sets the shown text of the control `name` inside `window`: a button's caption, a label's text
// (resized to fit) or a group box's title.
void SetControlText(QWidget* window, const char* name, const char* utf8Text);

} // namespace orvane
