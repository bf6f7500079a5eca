#pragma once
// Drawing a recorded page on screen as it will come out of the printer: the sheet of paper, the
// printer's reach, the paper ticket faintly under the marks, and the marks themselves.

#include "output/recorded_pages.h"

#include <QPixmap>
#include <QRectF>
#include <QSizeF>
#include <QWidget>

class QPainter;

namespace orvane {

// The sheet the pages were drawn for, in inches. The printer reports its printable area and that
// area's offset from the corner; the margins opposite are taken to be as wide.
QSizeF PaperInches(const PageGeometry& geometry);

// Paints the sheet the pages of `geometry` go on, with the printer's reach outlined, into
// `sheet`; with `ticketUnderlay` the paper ticket's boxes and printed numbers faintly on it.
void PaintBlankSheet(QPainter& painter, const PageGeometry& geometry, const QRectF& sheet,
                     bool ticketUnderlay);
// Paints the marks of page `index` (from 0) of `document` onto a sheet painted into `sheet`.
void PaintPageMarks(QPainter& painter, const RecordedDocument& document, int index,
                    const QRectF& sheet);

// Paints page `index` (from 0) of `document` so that the sheet fills `sheet`. With
// `ticketUnderlay` the paper ticket's boxes and printed numbers are drawn faintly under the
// marks, at their places on the sheet; that picture is for the screen only.
void PaintRecordedPage(QPainter& painter, const RecordedDocument& document, int index,
                       const QRectF& sheet, bool ticketUnderlay);

// One recorded page at a zoom, for a scroll area.
class PreviewPage final : public QWidget {
    Q_OBJECT
  public:
    explicit PreviewPage(QWidget* parent = nullptr);

    void setDocument(const RecordedDocument* document, bool ticketUnderlay);
    void setPage(int index);
    int page() const { return m_page; }
    // Screen pixels per inch of paper: the screen's own resolution at 100%; 0 fits the whole
    // sheet into the widget, whatever its size.
    void setPixelsPerInch(double pixelsPerInch);
    // The scale the sheet is painted at now.
    double pixelsPerInch() const;

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const RecordedDocument* m_document = nullptr;
    bool m_ticketUnderlay = false;
    int m_page = 0;
    double m_pixelsPerInch = 0;
    QPixmap m_blankSheet; // the sheet and the ticket under the marks, at the size shown
};

} // namespace orvane
