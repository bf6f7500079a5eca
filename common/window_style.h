#pragma once
// What the program's windows share in looks: their font, and how labels and glyph buttons are
// made and placed.

#include <QFont>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

class QDialog;
class QLabel;
class QPixmap;
class QPushButton;
class QToolButton;
class QWidget;

namespace orvane {

// How a dialog's size is kept.
enum class DialogSizing {
    Fixed,     // the designed size, with no maximise button
    Resizable, // opens at the designed size, may be maximised or made as small as its smallest
    Laid,      // its layout's size
};

// How a dialog of the program is framed: its title bar, size, face and backdrop.
struct DialogFrame {
    // Empty: the window sets its caption itself.
    QString title = {};
    DialogSizing sizing = DialogSizing::Fixed;
    // Fixed and Resizable: the designed size; empty: the layout's.
    QSize size = {};
    // Resizable: how small the player may make it; empty: no smaller than Qt allows.
    QSize smallest = {};
    bool bold = false;
    bool modal = false;
    // The program's backdrop under the controls.
    bool backdrop = true;
    // Besides a dialog's close button, and its maximise button when resizable.
    Qt::WindowFlags moreHints = {};
};

// Frames `dialog` as `frame` says, before its controls are placed.
void FrameDialog(QDialog* dialog, const DialogFrame& frame);

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
