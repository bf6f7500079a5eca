#pragma once
// The panel that shows a ticket board with a cell over each printed number; the main window's is
// clickable, the boards view's only shows a board.

#include "wheels/grid_geometry.h"

#include <QFrame>
#include <QPixmap>
#include <array>

class QLabel;

namespace orvane {

enum class CellPicture { Empty, Selected, Fixed };

// A picture control over one printed number; its tag is the cell number.
class GridCell final : public QWidget {
    Q_OBJECT
  public:
    GridCell(int tag, QWidget* parent);
    int tag() const { return m_tag; }
    CellPicture picture() const { return m_picture; }
    void setPicture(CellPicture picture);
    // The keyboard's place on the grid: drawn as a frame round the cell, over the ticket and
    // clear of the number.
    bool isKeyboardFocus() const { return m_keyboardFocus; }
    void setKeyboardFocus(bool focus);
    // "Main number 7", "Thunderball 3".
    QString numberName() const;
    // The ticket picture shown under the cell, its corner at `corner` in the cell's coordinates;
    // a null picture when none is. While a picture lies under it (on an unscaled screen), the
    // cell paints the piece of it that it covers and so is opaque: changing its mark repaints
    // the cell alone, not the label, the panel and the window's backdrop under it.
    void setTicketUnder(const QPixmap& ticket, QPoint corner);

  Q_SIGNALS:
    void leftClicked(int tag);
    void rightPressed(int tag);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool event(QEvent* event) override;

  private:
    // Whether the cell paints the ticket under it, and so is opaque. The background label draws
    // its picture greyed while disabled and filtered on a scaled screen: the cell then leaves
    // the picture to the label.
    void choosePaintingTicket();

    int m_tag;
    CellPicture m_picture = CellPicture::Empty;
    bool m_leftDown = false;
    bool m_keyboardFocus = false;
    QPixmap m_ticket;
    QPoint m_ticketCorner;
};

class TicketGridPanel final : public QFrame {
    Q_OBJECT
  public:
    TicketGridPanel(GridPlacement placement, QWidget* parent);

    GridCell* cell(int tag) const { return m_cells[static_cast<std::size_t>(tag - 1)]; }
    QLabel* background() const { return m_background; }

    // Background and visible cells for a grid style: 0 or 1 the ticket board with all cells,
    // 2 no picture and cells 1..36 only; any other value changes nothing.
    void ApplyGridStyle(int gridStyle);
    // Shows the cells up to `limit`, hides the others.
    void ShowCellsUpTo(int limit);

    // The cell the keyboard is on (a tag), shown while the panel has the focus. The arrow keys
    // move it, Space does what a left click does, Shift+Space and the menu key what a right
    // click does.
    int keyboardCell() const { return m_keyboardCell; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    // The ticket board on the background label and under the cells, or neither.
    void showTicketPicture(bool shown);
    void moveKeyboardTo(int tag);
    // The visible cell next to the keyboard's in reading order (`step` +1 or -1), or nearest
    // above or below it on the ticket (`rows` +1 or -1).
    int neighbour(int step, int rows) const;
    void showKeyboardFocus(bool shown);

    bool m_takesKeys;
    int m_keyboardCell = 1;
    QLabel* m_background;
    std::array<GridCell*, 53> m_cells{};
};

} // namespace orvane
