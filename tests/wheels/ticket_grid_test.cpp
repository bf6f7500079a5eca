#include "support/program_fixture.h"
#include "support/window_pixels.h"
#include "wheels/grid_pictures.h"
#include "wheels/ticket_grid_panel.h"
#include "wheels/wheel_catalogue.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPainter>
#include <QTest>

namespace orvane::test {
namespace {

class TicketGridTest : public ProgramFixture {
  protected:
    void SetUp() override {
        startProgram();
        main().show();
    }
    GridCell* cell(int c) { return main().findChild<GridCell*>(QStringLiteral("cell%1").arg(c)); }
    void leftClick(int c) { QTest::mouseClick(cell(c), Qt::LeftButton, {}, QPoint(10, 6)); }
    void rightClick(int c) { QTest::mouseClick(cell(c), Qt::RightButton, {}, QPoint(10, 6)); }
    QStringList counters() {
        QStringList texts;
        for (const char* name : {"nbcoch", "labnbFix", "lnbcochb"})
            texts << main().findChild<QLabel*>(QLatin1String(name))->text();
        return texts;
    }
    void click(const char* button) {
        main().findChild<QAbstractButton*>(QLatin1String(button))->click();
    }
};

TEST_F(TicketGridTest, CellsSitOverTheirPrintedNumbers) {
    const std::pair<int, QRect> places[] = {
        {1, {13, 32, 20, 13}},    {8, {213, 32, 20, 13}},  {24, {213, 66, 20, 13}},
        {29, {130, 82, 20, 13}},  {32, {213, 82, 20, 13}}, {33, {13, 100, 20, 13}},
        {39, {184, 100, 20, 13}}, {40, {272, 33, 20, 13}}, {41, {296, 33, 20, 13}},
        {42, {240, 49, 20, 13}},  {46, {241, 66, 20, 13}}, {53, {328, 83, 20, 13}},
    };
    for (const auto& [c, rect] : places)
        EXPECT_EQ(cell(c)->geometry(), rect) << c;
}

TEST(TicketGridPanel, EachCellShowsTheTicketUnderItWithItsCross) {
    for (GridPlacement placement : {GridPlacement::MainWindow, GridPlacement::BoardsView}) {
        TicketGridPanel panel(placement, nullptr);
        panel.resize(364, 234);
        panel.cell(7)->setPicture(CellPicture::Selected);
        panel.cell(ThunderballCell(2))->setPicture(CellPicture::Fixed);
        const QImage shown = panel.grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QRect picture = panel.background()->geometry();
        for (int c = 1; c <= kLastScreenCell; ++c) {
            SCOPED_TRACE(testing::Message()
                         << (placement == GridPlacement::MainWindow ? "main window" : "boards view")
                         << ", cell " << c);
            const QRect place = panel.cell(c)->geometry();
            ASSERT_TRUE(picture.contains(place));
            // The ticket's piece at the cell's place, its cross scaled smoothly over it.
            QImage expected = TicketBoardPicture()
                                  .toImage()
                                  .copy(place.translated(-picture.topLeft()))
                                  .convertToFormat(QImage::Format_ARGB32_Premultiplied);
            if (panel.cell(c)->picture() != CellPicture::Empty) {
                QPainter painter(&expected);
                painter.setRenderHint(QPainter::SmoothPixmapTransform);
                painter.drawPixmap(expected.rect(), panel.cell(c)->picture() == CellPicture::Fixed
                                                        ? FixedCrossPicture()
                                                        : SelectedCrossPicture());
            }
            EXPECT_EQ(shown.copy(place), expected.convertToFormat(QImage::Format_RGB32));
        }
    }
}

TEST_F(TicketGridTest, MarksAndTheKeyboardFrameLeaveOnScreenWhatTheWholeWindowDraws) {
    auto* grid = main().findChild<TicketGridPanel*>(QStringLiteral("pgrille"));
    const std::function<void()> changes[] = {
        [&] { leftClick(17); },
        [&] { rightClick(17); },
        [&] { leftClick(ThunderballCell(3)); },
        [&] { leftClick(17); },
        [&] {
            QApplication::setActiveWindow(&main());
            grid->setFocus();
        },
        [&] { QTest::keyClick(grid, Qt::Key_Right); },
        [&] { QTest::keyClick(grid, Qt::Key_Down); },
        [&] { QTest::keyClick(grid, Qt::Key_Space); },
        [&] { grid->clearFocus(); },
        [&] { grid->ApplyGridStyle(2); },
        [&] { leftClick(20); },
        [&] { grid->ApplyGridStyle(0); },
        [&] { leftClick(20); },
    };
    EXPECT_EQ(OnScreen(&main()), DrawnWhole(&main()));
    for (std::size_t i = 0; i < std::size(changes); ++i) {
        SCOPED_TRACE(i);
        changes[i]();
        EXPECT_EQ(OnScreen(&main()), DrawnWhole(&main()));
    }
}

TEST_F(TicketGridTest, LeftAndRightClicksFollowTheMarkingRules) {
    // Each step: the click, the cell's state and picture afterwards.
    const struct {
        bool right;
        CellState state;
        CellPicture picture;
    } steps[] = {
        {false, kSelected, CellPicture::Selected}, // empty -> selected
        {true, kFixed, CellPicture::Fixed},        // selected -> fixed
        {false, kEmpty, CellPicture::Empty},       // a left click empties a fixed cell
        {true, kFixed, CellPicture::Fixed},        // empty -> fixed
        {true, kEmpty, CellPicture::Empty},        // fixed -> empty
        {false, kSelected, CellPicture::Selected}, {false, kEmpty, CellPicture::Empty},
    };
    for (int c : {17, ThunderballCell(3)}) {
        SCOPED_TRACE(c);
        for (const auto& step : steps) {
            step.right ? rightClick(c) : leftClick(c);
            EXPECT_EQ(session.grid.state(c), step.state);
            EXPECT_EQ(cell(c)->picture(), step.picture);
        }
    }
}

TEST_F(TicketGridTest, CountersShowMainFixedAndThunderballMarks) {
    for (int c = 1; c <= 53; ++c)
        leftClick(c);
    EXPECT_EQ(counters(), (QStringList{"39", "0", "14"}));
    rightClick(ThunderballCell(2)); // a fixed Thunderball counts under F and THUNDERBALL
    rightClick(5);
    EXPECT_EQ(counters(), (QStringList{"39", "2", "14"}));
}

TEST_F(TicketGridTest, ClearEmptiesTheScreenCellsOnly) {
    session.grid.setState(60, kSelected);
    fix({3});
    select({9, ThunderballCell(7)});
    click("beffacer");
    for (int c = 1; c <= 53; ++c) {
        EXPECT_EQ(session.grid.state(c), kEmpty) << c;
        EXPECT_EQ(cell(c)->picture(), CellPicture::Empty) << c;
    }
    EXPECT_EQ(session.grid.state(60), kSelected);
    EXPECT_EQ(counters(),
              (QStringList{"0", "0", "1"})); // cell 60 still counts with the Thunderballs
}

TEST_F(TicketGridTest, RandomNumbersMarkTheChosenSystemsCount) {
    for (const int gridStyle : {1, 2}) {
        SCOPED_TRACE(gridStyle);
        session.settings.gridStyle = gridStyle;
        chooseSystem(6); // eight numbers
        fix({2, 30});
        select({ThunderballCell(4)});
        click("bnaleat");
        EXPECT_EQ(counters(), (QStringList{"8", "0", "1"}));
        for (int c = 1; c <= kMainNumbers; ++c) {
            const CellState s = session.grid.state(c);
            EXPECT_TRUE(s == kEmpty || (s == kSelected && c <= (gridStyle == 2 ? 36 : 39))) << c;
            EXPECT_EQ(cell(c)->picture(),
                      s == kSelected ? CellPicture::Selected : CellPicture::Empty)
                << c;
        }
        EXPECT_EQ(session.grid.state(ThunderballCell(4)), kSelected);
        click("beffacer");
    }
}

TEST_F(TicketGridTest, LoadedOddStatesShowAsSelectedAndEmptyOnTheNextClick) {
    session.grid.setState(12, 7);
    session.grid.setState(13, kFixed);
    main().RedrawGrid();
    EXPECT_EQ(cell(12)->picture(), CellPicture::Selected);
    EXPECT_EQ(cell(13)->picture(), CellPicture::Fixed);
    leftClick(12);
    EXPECT_EQ(session.grid.state(12), kEmpty);
}

} // namespace
} // namespace orvane::test
