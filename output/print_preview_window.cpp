#include "output/print_preview_window.h"

#include "common/glyphs.h"
#include "common/pictures.h"
#include "common/window_style.h"
#include "output/preview_page.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QVBoxLayout>

namespace orvane {

namespace {

// The zoom choices: a fraction of the paper's true size, or 0 for the whole page in the window.
struct Zoom {
    const char* text;
    double scale;
};
constexpr Zoom kZooms[] = {{"Whole page", 0}, {"50 %", 0.5},  {"75 %", 0.75},
                           {"100 %", 1.0},    {"150 %", 1.5}, {"200 %", 2.0}};
constexpr int kTrueSize = 3; // "100 %"

QPushButton* Button(QWidget* parent, const char* name, const QString& text) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setFont(WindowFont(true));
    button->setMinimumHeight(30);
    return button;
}

} // namespace

PrintPreviewWindow::PrintPreviewWindow(PreviewContent content, QWidget* parent)
    : QDialog(parent), m_content(std::move(content)) {
    setObjectName(QStringLiteral("PrintPreview"));
    FrameDialog(this, {.title = m_content.title, .sizing = DialogSizing::Resizable, .bold = true});

    auto* rows = new QVBoxLayout(this);
    auto* tools = new QHBoxLayout;
    rows->addLayout(tools);

    m_previous = Button(this, "previousPage", QStringLiteral("Previous"));
    m_previous->setIcon(ArrowGlyph(true));
    m_pageNumber = new QLabel(this);
    m_pageNumber->setObjectName(QStringLiteral("pageNumber"));
    m_pageNumber->setAlignment(Qt::AlignCenter);
    m_pageNumber->setMinimumWidth(130);
    m_next = Button(this, "nextPage", QStringLiteral("Next"));
    m_next->setIcon(ArrowGlyph(false));
    m_next->setLayoutDirection(Qt::RightToLeft); // the arrow after the word
    auto* zoomLabel = new QLabel(QStringLiteral("Zoom"), this);
    m_zoom = new QComboBox(this);
    m_zoom->setObjectName(QStringLiteral("zoom"));
    for (const Zoom& zoom : kZooms)
        m_zoom->addItem(QString::fromUtf8(zoom.text));
    zoomLabel->setBuddy(m_zoom);
    auto* print = Button(this, "print", QStringLiteral("Print"));
    print->setIcon(PrinterGlyph());
    auto* pdf = Button(this, "saveAsPdf", QStringLiteral("Save as PDF"));
    auto* close = Button(this, "close", QStringLiteral("Close"));
    close->setIcon(ReturnGlyph());
    for (QWidget* w : std::initializer_list<QWidget*>{m_previous, m_pageNumber, m_next})
        tools->addWidget(w);
    tools->addSpacing(16);
    tools->addWidget(zoomLabel);
    tools->addWidget(m_zoom);
    tools->addStretch();
    for (QWidget* w : std::initializer_list<QWidget*>{print, pdf, close})
        tools->addWidget(w);

    m_page = new PreviewPage;
    m_page->setDocument(&m_content.document, m_content.ticketUnderlay);
    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("pageArea"));
    m_scroll->setWidget(m_page);
    m_scroll->setAlignment(Qt::AlignCenter);
    m_scroll->setBackgroundRole(QPalette::Dark);
    rows->addWidget(m_scroll, 1);

    if (!m_content.warnings.empty()) {
        QString text = QStringLiteral("The printer cannot reach every mark: ");
        for (std::size_t i = 0; i < m_content.warnings.size(); ++i)
            text += (i ? QStringLiteral(", ") : QString()) +
                    QString::fromStdString(m_content.warnings[i]);
        text += QStringLiteral(". Move the marks with the adjustments in Options > Parameters, or "
                               "choose another printer.");
        auto* warning = new QLabel(text, this);
        warning->setObjectName(QStringLiteral("warning"));
        warning->setWordWrap(true);
        warning->setStyleSheet(QStringLiteral("color: #a00000;"));
        rows->addWidget(warning);
    }

    connect(m_previous, &QPushButton::clicked, this, [this] { showPage(currentPage() - 1); });
    connect(m_next, &QPushButton::clicked, this, [this] { showPage(currentPage() + 1); });
    connect(m_zoom, &QComboBox::currentIndexChanged, this, [this] { applyZoom(); });
    connect(print, &QPushButton::clicked, this, &QDialog::accept);
    connect(pdf, &QPushButton::clicked, this, [this] {
        if (m_content.saveAsPdf)
            m_content.saveAsPdf();
    });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    const auto key = [this](QKeySequence sequence, auto action) {
        connect(new QShortcut(sequence, this), &QShortcut::activated, this, action);
    };
    key(QKeySequence(Qt::Key_PageDown), [this] { showPage(currentPage() + 1); });
    key(QKeySequence(Qt::Key_PageUp), [this] { showPage(currentPage() - 1); });
    key(QKeySequence(Qt::Key_Home), [this] { showPage(0); });
    key(QKeySequence(Qt::Key_End), [this] { showPage(pageCount() - 1); });
    key(QKeySequence::ZoomIn, [this] {
        m_zoom->setCurrentIndex(std::min(m_zoom->currentIndex() + 1, m_zoom->count() - 1));
    });
    key(QKeySequence::ZoomOut,
        [this] { m_zoom->setCurrentIndex(std::max(m_zoom->currentIndex() - 1, 0)); });

    resize(860, 760);
    showPage(0);
    // At the paper's true size the boxes and marks can be told apart; the whole page is a
    // choice away.
    m_zoom->setCurrentIndex(kTrueSize);
    applyZoom();
}

int PrintPreviewWindow::pageCount() const {
    return static_cast<int>(m_content.document.pages.size());
}

int PrintPreviewWindow::currentPage() const {
    return m_page->page();
}

void PrintPreviewWindow::showPage(int index) {
    const int count = pageCount();
    index = std::clamp(index, 0, std::max(count - 1, 0));
    m_page->setPage(index);
    m_pageNumber->setText(QStringLiteral("%1 %2 of %3")
                              .arg(m_content.pageNoun)
                              .arg(count ? index + 1 : 0)
                              .arg(count));
    m_previous->setEnabled(index > 0);
    m_next->setEnabled(index + 1 < count);
}

double PrintPreviewWindow::pixelsPerInch() const {
    return m_page->pixelsPerInch();
}

void PrintPreviewWindow::applyZoom() {
    const double scale = kZooms[std::max(m_zoom->currentIndex(), 0)].scale;
    // The whole page follows the window's size; a zoom has the size it gives, and scrolls.
    m_scroll->setWidgetResizable(scale == 0);
    m_page->setPixelsPerInch(scale * logicalDpiX());
}

} // namespace orvane
