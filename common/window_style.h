#pragma once
// What the program's windows share in looks: their font, and how labels and glyph buttons are
// made and placed.

#include <QFont>
#include <QPoint>
#include <QRect>
#include <QString>

class QLabel;
class QPixmap;
class QPushButton;
class QToolButton;
class QWidget;

namespace orvane {

// The windows' face, "MS Sans Serif" (mapped onto a metric-compatible face), at a pixel height.
QFont WindowFont(bool bold = false, int pixels = 11);

// A label named `name` with its top-left corner at `at`, sized to its text.
QLabel* PlaceLabel(QWidget* parent, const char* name, const QString& text, QPoint at);

// An empty label named `name` filling `geometry`, for text set later: wrapped, from its top-left.
QLabel* PlaceTextBlock(QWidget* parent, const char* name, QRect geometry, bool bold = false);

// A push button named `name` showing `glyph`, at the glyph's own size, beside `text`.
QPushButton* MakeGlyphButton(QWidget* parent, const char* name, const QPixmap& glyph,
                             const QString& text, QRect geometry);

enum class GlyphToolLook {
    Flat,         // only the glyph, raised under the pointer, never taking the focus
    CaptionBelow, // the text under the glyph
};

// A tool button named `name` showing `glyph` at its own size.
QToolButton* MakeGlyphToolButton(QWidget* parent, const char* name, const QPixmap& glyph,
                                 const QString& text, QRect geometry, GlyphToolLook look);

// Lays `page`, whose controls keep their designed places, in a scroll area filling `window`, so a
// window made smaller than its page (a small screen at a large scale) scrolls; the window's
// backdrop shows through.
void ShowPageScrolling(QWidget* window, QWidget* page);

} // namespace orvane
