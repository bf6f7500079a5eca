#pragma once
// The print preview: every page of a document as the printer will put it on paper, one at a
// time, with zoom, paging, printing and saving as PDF.

#include "output/recorded_pages.h"

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QPushButton;
class QScrollArea;

namespace orvane {

class PreviewPage;

struct PreviewContent {
    QString title;    // the window's caption
    QString pageNoun; // "Ticket", "Page": what a page is called in "Ticket 2 of 7"
    RecordedDocument document;
    bool ticketUnderlay = false; // draw the paper ticket faintly under the marks
    // What the printer would leave out, in words for the player; shown under the page.
    std::vector<std::string> warnings;
    // Writes the same document into a PDF file the player picks.
    std::function<void()> saveAsPdf;
};

// Shown modally; exec() returns Accepted when the player presses "Print", who then expects the
// pages shown to be printed.
class PrintPreviewWindow final : public QDialog {
    Q_OBJECT
  public:
    explicit PrintPreviewWindow(PreviewContent content, QWidget* parent = nullptr);

    int pageCount() const;
    int currentPage() const; // from 0
    void showPage(int index);
    const RecordedDocument& document() const { return m_content.document; }
    // Screen pixels per inch of paper of the zoom chosen now.
    double pixelsPerInch() const;

  private:
    void applyZoom();

    PreviewContent m_content;
    PreviewPage* m_page;
    QScrollArea* m_scroll;
    QPushButton* m_previous;
    QPushButton* m_next;
    QLabel* m_pageNumber;
    QComboBox* m_zoom;
};

} // namespace orvane
