#include "support/program_fixture.h"
#include "wheels/system_list.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QImage>
#include <QStyleOptionComboBox>
#include <QTest>

namespace orvane::test {
namespace {

// The rightmost column of `area` in `image` that differs, somewhere, from a column near the
// area's right edge: the end of whatever is drawn over the row's plain background. The few
// columns at the very edge are left out: the chosen entry's highlight has a border there.
int RightmostDrawnColumn(const QImage& image, const QRect& area) {
    const int plain = area.right() - 4;
    for (int x = plain - 1; x >= area.left(); --x)
        for (int y = area.top(); y <= area.bottom(); ++y)
            if (image.pixel(x, y) != image.pixel(plain, y))
                return x;
    return area.left() - 1;
}

class SystemListBoxTest : public ProgramFixture {
  protected:
    void SetUp() override {
        startProgram();
        main().show();
        m_list = main().findChild<QComboBox*>(QStringLiteral("ComboBox1"));
        ASSERT_NE(m_list, nullptr);
    }
    void TearDown() override {
        m_list->hidePopup();
        ProgramFixture::TearDown();
    }
    // How far the description of the entry at `row` reaches, drawn in the list's font.
    int descriptionWidth(int row) const {
        const QString shown = QString::fromStdString(
            EntryDescription(session.systemList.entries()[static_cast<std::size_t>(row)]));
        return std::max(QFontMetrics(m_list->font()).horizontalAdvance(shown),
                        QFontMetrics(m_list->view()->font()).horizontalAdvance(shown));
    }

    QComboBox* m_list = nullptr;
};

// Room for the margins and the mark of the chosen entry; the index, behind a hundred blanks, lies
// much further right.
constexpr int kMargins = 40;

TEST_F(SystemListBoxTest, OpenedListShowsEachDescriptionAndNoIndexAtAnyWidth) {
    m_list->showPopup();
    QAbstractItemView* view = m_list->view();
    QTRY_VERIFY(view->isVisible());
    QWidget* popup = view->window();
    // The descriptions fit the closed box's width, so the opened list keeps it.
    EXPECT_EQ(popup->width(), m_list->width());

    for (const int width : {popup->width(), 2400}) {
        SCOPED_TRACE(width);
        popup->setMaximumWidth(QWIDGETSIZE_MAX);
        popup->resize(width, popup->height());
        QImage shot;
        for (int row = 0; row < m_list->count(); ++row) {
            SCOPED_TRACE(m_list->itemText(row).toStdString());
            const QModelIndex index = m_list->model()->index(row, 0);
            if (!view->viewport()->rect().contains(view->visualRect(index)) || shot.isNull()) {
                view->scrollTo(index, QAbstractItemView::PositionAtTop);
                shot = view->viewport()->grab().toImage();
            }
            const QRect rowArea = view->visualRect(index) & view->viewport()->rect();
            const int drawnTo = RightmostDrawnColumn(shot, rowArea) - rowArea.left();
            EXPECT_GT(drawnTo, descriptionWidth(row) / 2) << "the description is shown";
            EXPECT_LT(drawnTo, descriptionWidth(row) + kMargins) << "nothing follows it";
        }
    }
    // What the entries hold, and so the system they choose, is untouched.
    for (int row = 0; row < m_list->count(); ++row)
        EXPECT_EQ(m_list->itemText(row).toStdString(),
                  session.systemList.entries()[static_cast<std::size_t>(row)]);
}

TEST_F(SystemListBoxTest, ClosedListShowsTheChosenDescriptionAndNoIndexAtAnyWidth) {
    const int designedWidth = m_list->width();
    for (const int position :
         {0, session.systemList.positionOfSystem(5), session.systemList.positionOfSystem(71)}) {
        m_list->setCurrentIndex(position);
        for (const int width : {designedWidth, 2400}) {
            SCOPED_TRACE(std::to_string(position) + " at " + std::to_string(width));
            m_list->resize(width, m_list->height());
            QStyleOptionComboBox option;
            option.initFrom(m_list);
            const QRect field = m_list->style()->subControlRect(
                QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, m_list);
            const QImage shot = m_list->grab().toImage();
            const QRect textArea = field.adjusted(0, 2, -2, -2);
            const int drawnTo = RightmostDrawnColumn(shot, textArea) - field.left();
            EXPECT_GT(drawnTo, descriptionWidth(position) / 2) << "the description is shown";
            EXPECT_LT(drawnTo, descriptionWidth(position) + kMargins) << "nothing follows it";
        }
    }
    EXPECT_EQ(CurrentSystemIndex(session.systemList), 71);
}

} // namespace
} // namespace orvane::test
