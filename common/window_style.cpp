#include "common/window_style.h"

#include "common/gradient_backdrop.h"

#include <QDialog>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

namespace orvane {

void FrameDialog(QDialog* dialog, const DialogFrame& frame) {
    if (!frame.title.isEmpty())
        dialog->setWindowTitle(frame.title);
    Qt::WindowFlags flags = Qt::Dialog | Qt::WindowCloseButtonHint | frame.moreHints;
    switch (frame.sizing) {
    case DialogSizing::Fixed:
        flags |= Qt::MSWindowsFixedSizeDialogHint;
        break;
    case DialogSizing::Resizable:
        flags |= Qt::WindowMaximizeButtonHint;
        break;
    case DialogSizing::Laid:
        break;
    }
    dialog->setWindowFlags(flags);
    dialog->setModal(frame.modal);
    if (frame.smallest.isValid())
        dialog->setMinimumSize(frame.smallest);
    if (frame.size.isValid()) {
        if (frame.sizing == DialogSizing::Fixed)
            dialog->setFixedSize(frame.size);
        else
            dialog->resize(frame.size);
    }
    dialog->setFont(WindowFont(frame.bold));
    if (frame.backdrop)
        InstallBackdrop(dialog);
}

QFont WindowFont(bool bold, int pixels) {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QLabel* PlaceLabel(QWidget* parent, const char* name, const QString& text, QPoint at) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    l->move(at);
    l->adjustSize();
    return l;
}

QPushButton* MakeGlyphButton(QWidget* parent, const char* name, const QPixmap& glyph,
                             const QString& text, QRect geometry) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setIcon(glyph);
    b->setIconSize(glyph.size());
    b->setGeometry(geometry);
    return b;
}

QToolButton* MakeGlyphToolButton(QWidget* parent, const char* name, const QPixmap& glyph,
                                 const QString& text, QRect geometry, GlyphToolLook look) {
    auto* b = new QToolButton(parent);
    b->setObjectName(QLatin1String(name));
    b->setText(text);
    switch (look) {
    case GlyphToolLook::Flat:
        b->setAutoRaise(true);
        b->setFocusPolicy(Qt::NoFocus);
        break;
    case GlyphToolLook::CaptionBelow:
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        break;
    }
    b->setIcon(glyph);
    b->setIconSize(glyph.size());
    b->setGeometry(geometry);
    return b;
}

QLabel* PlaceTextBlock(QWidget* parent, const char* name, QRect geometry, bool bold) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setFont(WindowFont(bold));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

void ShowPageScrolling(QWidget* window, QWidget* page) {
    auto* scroll = new QScrollArea(window);
    scroll->setObjectName(QStringLiteral("scroll"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setAlignment(Qt::AlignCenter);
    scroll->setWidget(page);
    // The scroll area would have the page paint over the backdrop.
    scroll->viewport()->setAutoFillBackground(false);
    page->setAutoFillBackground(false);
    auto* rows = new QVBoxLayout(window);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->addWidget(scroll);
}

} // namespace orvane
