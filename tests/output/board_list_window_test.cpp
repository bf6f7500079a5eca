#include "output/board_list_window.h"
#include "output/ticket_print_window.h"

#include "support/program_fixture.h"

#include <QAction>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>

namespace orvane::test {
namespace {

class BoardListWindowTest : public ProgramFixture {
  protected:
    void SetUp() override {
        startProgram();
        markSevenWithFixed39();
    }

    // Opens the list window with the main window's button and hands it to `action`.
    void openList(std::function<void(BoardListWindow&)> action) {
        EXPECT_TRUE(VisitModalOf<BoardListWindow>([this] { clickInMain("bimplistbull"); }, action))
            << "the list window did not open";
    }

    static QStringList lines(BoardListWindow& window) {
        QStringList result;
        auto* list = window.findChild<QListWidget*>(QStringLiteral("listbull"));
        for (int i = 0; i < list->count(); ++i)
            result << list->item(i)->text();
        return result;
    }
};

TEST_F(BoardListWindowTest, ListsTheBoardsOfTheSelectionWithItsTexts) {
    bool opened = false;
    openList([&](BoardListWindow& window) {
        opened = true;
        EXPECT_EQ(window.objectName(), QStringLiteral("TForm5"));
        EXPECT_EQ(window.windowTitle(), QStringLiteral("List of the boards to play "));
        EXPECT_EQ(window.findChild<QToolButton*>(QStringLiteral("BitBtn6"))->text(),
                  QStringLiteral("Print the list of boards"));
        EXPECT_EQ(window.findChild<QToolButton*>(QStringLiteral("BitBtn2"))->text(),
                  QStringLiteral("Print the Tickets"));
        EXPECT_EQ(window.findChild<QToolButton*>(QStringLiteral("BitBtn1"))->text(),
                  QStringLiteral("Return"));
        const QStringList l = lines(window);
        ASSERT_EQ(l.size(), 15);
        EXPECT_EQ(l.first(), QStringLiteral("T: 001: MB :-01-02-03-04-39 T :-2"));
        EXPECT_EQ(l.last(), QStringLiteral("T: 015: MB :-03-04-05-06-39 T :-2"));
    });
    EXPECT_TRUE(opened);
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(BoardListWindowTest, IsRebuiltOnEveryShowing) {
    openList([](BoardListWindow&) {});
    // Another Thunderball number through the menu, which accepts two, and card labels.
    main().casecoch(ThunderballCell(9));
    session.settings.gridStyle = 2;
    QStringList second;
    whenModal([&](QWidget* modal) {
        second = lines(*qobject_cast<BoardListWindow*>(modal));
        modal->close();
    });
    main().findChild<QAction*>(QStringLiteral("mVoirlalistedesbulletins1"))->trigger();
    ASSERT_EQ(second.size(), 15);
    EXPECT_EQ(second.first(), QStringLiteral("T: 001: MB :-C  6-C  7-C  8-C  9- T :-2-9"));
}

TEST_F(BoardListWindowTest, IsNotOpenedForASelectionThatDoesNotFit) {
    main().casecoch(7);
    main().findChild<QPushButton*>(QStringLiteral("bimplistbull"))->click();
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0], IncorrectSelectionPrompt());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(BoardListWindowTest, PrintsTheList) {
    openList([](BoardListWindow& window) {
        window.findChild<QToolButton*>(QStringLiteral("BitBtn6"))->click();
    });
    EXPECT_EQ(canvas.documentsEnded, 1);
    ASSERT_EQ(canvas.texts.size(), 16u);
    EXPECT_EQ(canvas.texts[1].text, "Ticket :1 MAIN BOARD : 1 ,2 ,3 ,4 ,39 TH.: 2");
}

TEST_F(BoardListWindowTest, OpensTicketPrintingWithoutACheck) {
    bool printWindowOpened = false;
    openList([&](BoardListWindow& window) {
        // A selection that no longer fits: the list's own button does not check it.
        main().casecoch(7);
        whenModal([&](QWidget* modal) {
            printWindowOpened = modal->objectName() == QStringLiteral("TForm7");
            modal->close();
        });
        window.findChild<QToolButton*>(QStringLiteral("BitBtn2"))->click();
    });
    EXPECT_TRUE(printWindowOpened);
    EXPECT_TRUE(prompts.shown.empty());
}

} // namespace
} // namespace orvane::test
