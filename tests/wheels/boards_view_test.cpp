#include "settings/app_settings.h"
#include "support/program_fixture.h"
#include "support/window_pixels.h"
#include "wheels/board_run.h"
#include "wheels/boards_view.h"
#include "wheels/system_list.h"
#include "wheels/ticket_grid_panel.h"
#include "wheels/wheel_catalogue.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>

namespace orvane::test {
namespace {

class BoardsViewTest : public ProgramFixture {
  protected:
    void SetUp() override {
        startProgram();
        main().show();
    }
    BoardsView* view() { return program->windows().boardsView.get(); }
    QString label(const char* name) {
        return view()->findChild<QLabel*>(QLatin1String(name))->text();
    }
    void press(const char* button) {
        view()->findChild<QAbstractButton*>(QLatin1String(button))->click();
    }
    std::vector<int> shownCells() {
        std::vector<int> marked;
        for (int c = 1; c <= 53; ++c)
            if (view()->findChild<GridCell*>(QStringLiteral("cell%1").arg(c))->picture() !=
                CellPicture::Empty)
                marked.push_back(c);
        return marked;
    }
    // Opens the view through `opener`, runs `inside` while it is open, then returns.
    void openThrough(const std::function<void()>& opener, const std::function<void()>& inside) {
        bool ran = false;
        whenModal([&](QWidget* modal) {
            EXPECT_EQ(modal, view());
            inside();
            ran = true;
            press("BitBtn1");
        });
        opener();
        EXPECT_TRUE(ran);
    }
    void viewButton() {
        main().findChild<QAbstractButton*>(QStringLiteral("bvoirbulletin"))->click();
    }
};

TEST_F(BoardsViewTest, StepsThroughTheBoardsWithinTheirRange) {
    chooseSystem(4); // six numbers, six boards
    select({4, 8, 15, 16, 23, 38, ThunderballCell(6)});
    openThrough(
        [this] { viewButton(); },
        [this] {
            EXPECT_EQ(view()->windowTitle(), QStringLiteral("Boards to play"));
            EXPECT_EQ(view()->findChild<QGroupBox*>(QStringLiteral("GroupBox2"))->title(),
                      QStringLiteral("Wheel selected"));
            EXPECT_EQ(label("ltitre"), QStringLiteral("Board"));
            EXPECT_EQ(view()->findChild<QAbstractButton*>(QStringLiteral("BitBtn1"))->text(),
                      QStringLiteral("Return"));
            EXPECT_EQ(label("ltitmet").toStdString(), DescribeSystem(4));
            EXPECT_EQ(label("lnubul"), QStringLiteral("1"));
            EXPECT_EQ(label("Lnumax"), QStringLiteral("6"));
            EXPECT_EQ(shownCells(), (std::vector<int>{4, 8, 15, 16, 23, ThunderballCell(6)}));

            press("BitBtn3"); // before board 1: nothing
            EXPECT_EQ(label("lnubul"), QStringLiteral("1"));
            for (int i = 0; i < 5; ++i)
                press("BitBtn4");
            EXPECT_EQ(label("lnubul"), QStringLiteral("6"));
            EXPECT_EQ(shownCells(), (std::vector<int>{8, 15, 16, 23, 38, ThunderballCell(6)}));
            press("BitBtn4"); // past the last: nothing
            EXPECT_EQ(label("lnubul"), QStringLiteral("6"));
            EXPECT_EQ(session.run.currentBoardNumber(), 6);
            press("BitBtn3");
            EXPECT_EQ(label("lnubul"), QStringLiteral("5"));
        });
    // The next opening starts again at board 1.
    openThrough(
        [this] { viewButton(); },
        [this] {
            EXPECT_EQ(label("lnubul"), QStringLiteral("1"));
            EXPECT_EQ(shownCells(), (std::vector<int>{4, 8, 15, 16, 23, ThunderballCell(6)}));
        });
}

TEST_F(BoardsViewTest, EveryBoardCarriesEveryThunderballOfTheMenuRoad) {
    chooseSystem(8); // seven numbers, one fixed
    fix({30});
    select({1, 2, 3, 4, 5, 6, ThunderballCell(1), ThunderballCell(14)});
    viewButton(); // two Thunderballs: the button refuses
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0], IncorrectSelectionPrompt());
    EXPECT_FALSE(view()->isVisible());

    openThrough(
        [this] { main().findChild<QAction*>(QStringLiteral("mVoirlesbulletins1"))->trigger(); },
        [this] {
            for (int k = 1; k <= 15; ++k) {
                const std::vector<int> cells = shownCells();
                EXPECT_EQ(cells.size(), 7u) << k; // five numbers and two Thunderballs
                EXPECT_NE(std::find(cells.begin(), cells.end(), 30), cells.end()) << k;
                EXPECT_NE(std::find(cells.begin(), cells.end(), ThunderballCell(1)), cells.end())
                    << k;
                EXPECT_NE(std::find(cells.begin(), cells.end(), ThunderballCell(14)), cells.end())
                    << k;
                press("BitBtn4");
            }
        });
}

TEST_F(BoardsViewTest, RefusalsNeverOpenTheView) {
    chooseSystem(1); // eight numbers
    const auto tryAll = [this] {
        viewButton();
        main().findChild<QAction*>(QStringLiteral("mVoirlesbulletins1"))->trigger();
    };
    select({1, 2, 3, 4, 5, 6, 7}); // one short, no Thunderball
    tryAll();
    select({8, ThunderballCell(2)});
    session.systemList.choose(-1); // no system chosen
    tryAll();
    EXPECT_EQ(prompts.shown.size(), 4u);
    for (const Prompt& p : prompts.shown) {
        EXPECT_EQ(p.text, "Incorrect Selection");
        EXPECT_EQ(p.caption, "Problem !!");
        EXPECT_EQ(p.icon, PromptIcon::Exclamation);
    }
    EXPECT_FALSE(view()->isVisible());
}

TEST_F(BoardsViewTest, GridStyleTwoHidesTheThunderballsAndThePicture) {
    session.settings.gridStyle = 2;
    chooseSystem(4);
    select({1, 2, 3, 4, 5, 6, ThunderballCell(6)});
    openThrough(
        [this] { viewButton(); },
        [this] {
            EXPECT_TRUE(view()->findChild<QLabel*>(QStringLiteral("Image1"))->pixmap().isNull());
            for (int c = 1; c <= 53; ++c)
                EXPECT_EQ(
                    view()->findChild<GridCell*>(QStringLiteral("cell%1").arg(c))->isVisible(),
                    c <= 36)
                    << c;
        });
}

TEST_F(BoardsViewTest, EveryStepLeavesOnScreenWhatTheWholeWindowDraws) {
    chooseSystem(4); // six boards, cells marked and cleared from one to the next
    select({4, 8, 15, 16, 23, 38, ThunderballCell(6)});
    for (int gridStyle : {0, 2}) {
        SCOPED_TRACE(gridStyle);
        session.settings.gridStyle = gridStyle;
        openThrough([this] { viewButton(); },
                    [this] {
                        EXPECT_EQ(OnScreen(view()), DrawnWhole(view()));
                        for (const char* button : {"BitBtn4", "BitBtn4", "BitBtn4", "BitBtn4",
                                                   "BitBtn4", "BitBtn3", "BitBtn3"}) {
                            press(button);
                            SCOPED_TRACE(label("lnubul").toStdString());
                            EXPECT_EQ(OnScreen(view()), DrawnWhole(view()));
                        }
                    });
    }
}

TEST_F(BoardsViewTest, RedrawsWhileHiddenWheneverABoardIsBuilt) {
    chooseSystem(4);
    select({1, 2, 3, 4, 5, 6, ThunderballCell(6)});
    ASSERT_NE(view(), nullptr); // made (as its first opening makes it) before any board is built
    session.run.RebuildPlayOrder(session.grid);
    session.run.StartRun(CurrentSystemIndex(session.systemList));
    session.run.BuildBoard(6, session.grid);
    EXPECT_EQ(shownCells(), (std::vector<int>{2, 3, 4, 5, 6, ThunderballCell(6)}));
}

// A view may go before the run it shows: the boards built after it are simply not drawn.
TEST(BoardsViewLifetime, ARunOutlivesItsView) {
    SelectionGrid grid;
    SystemList list;
    const AppSettings settings;
    BoardRun run;
    list.choose(list.positionOfSystem(4));
    for (int c : {1, 2, 3, 4, 5, 6, ThunderballCell(6)})
        grid.setState(c, kSelected);
    run.RebuildPlayOrder(grid);
    run.StartRun(CurrentSystemIndex(list));

    delete new BoardsView({run, grid, list}, settings);
    run.BuildBoard(1, grid);
    EXPECT_EQ(run.currentBoard(1), 1);
}

} // namespace
} // namespace orvane::test
