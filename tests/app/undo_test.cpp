// Ctrl+Z in the main window: the marks and the system before "Clear the boards", "Random numbers"
// or a game loaded come back, newest first, as the player sees them.
#include "app/main_window.h"
#include "gamefiles/file_chooser.h"
#include "gamefiles/game_file.h"

#include "support/program_fixture.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace orvane::test {
namespace {

class UndoTest : public ProgramFixture {
  protected:
    void SetUp() override {
        startProgram();
        main().show();
        QApplication::setActiveWindow(&main());
    }
    void press(const char* button) {
        QTest::mouseClick(main().findChild<QPushButton*>(QLatin1String(button)), Qt::LeftButton);
    }
    void undoKey() {
        // The window system hands the keys back to the main window once a dialog has closed.
        QApplication::setActiveWindow(&main());
        QTest::keySequence(&main(), QKeySequence::Undo);
    }
    int shownSystem() {
        return main().findChild<QComboBox*>(QStringLiteral("ComboBox1"))->currentIndex();
    }
    QString counter(const char* name) {
        return main().findChild<QLabel*>(QLatin1String(name))->text();
    }
    QString hint() { return main().findChild<QLabel*>(QStringLiteral("Label2"))->text(); }
    // A game of system position 5 with 10, 11 and 12 selected and Thunderball 9, in the folder.
    std::string writeGame() {
        SelectionGrid grid;
        for (int c : {10, 11, 12, ThunderballCell(9)})
            grid.setState(c, kSelected);
        GameRecordBuffer record;
        record.fill(5, grid);
        const std::string path = folder() + "saturday";
        EXPECT_TRUE(WriteGameRecord(path, record.bytes()));
        return path;
    }
    void loadGame(const std::string& name) {
        windows().fileChooser->openFolder(QString::fromStdString(folder()));
        whenModal([name](QWidget* chooser) {
            auto* list = chooser->findChild<QListWidget*>(QStringLiteral("FileListBox1"));
            const auto items = list->findItems(QString::fromStdString(name), Qt::MatchExactly);
            ASSERT_EQ(items.size(), 1);
            list->setCurrentItem(items.first());
            QTest::mouseClick(chooser->findChild<QPushButton*>(QStringLiteral("boutok")),
                              Qt::LeftButton);
        });
        main().Chargerbulletin1Click();
    }
};

TEST_F(UndoTest, CtrlZPutsBackWhatClearRandomAndLoadingReplacedNewestFirst) {
    markSevenWithFixed39();
    const SelectionGrid marked = session.grid;
    const int system = session.systemList.chosenPosition();

    press("beffacer");
    EXPECT_EQ(session.grid.CountCells(CellKind::Main), 0);
    EXPECT_EQ(hint(), QStringLiteral("Every mark cleared: Ctrl+Z puts them back"));
    press("bnaleat");
    const SelectionGrid random = session.grid;
    EXPECT_EQ(random.CountCells(CellKind::Main), 7);
    writeGame();
    loadGame("saturday");
    ASSERT_TRUE(prompts.shown.empty());
    EXPECT_EQ(session.systemList.chosenPosition(), 5);
    EXPECT_EQ(hint(), QStringLiteral("Game loaded: Ctrl+Z puts back the marks before it"));

    undoKey(); // the load
    EXPECT_EQ(session.grid, random);
    EXPECT_EQ(session.systemList.chosenPosition(), system);
    EXPECT_EQ(shownSystem(), system) << "the list shows the system put back";
    undoKey(); // the random numbers
    EXPECT_EQ(session.grid.CountCells(CellKind::Main), 0);
    undoKey(); // the clearing
    EXPECT_EQ(session.grid, marked);
    EXPECT_EQ(counter("nbcoch"), QStringLiteral("7"));
    EXPECT_EQ(counter("labnbFix"), QStringLiteral("1"));
    EXPECT_EQ(counter("lnbcochb"), QStringLiteral("1"));

    undoKey(); // nothing more
    EXPECT_EQ(session.grid, marked);
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(UndoTest, AMarkMadeByHandAfterClearingLeavesNothingToUndo) {
    markSevenWithFixed39();
    press("beffacer");
    select({12});
    undoKey();
    EXPECT_EQ(session.grid.CountCells(CellKind::Main), 1) << "the mark made by hand stays";
    EXPECT_EQ(session.grid.state(12), kSelected);
}

TEST_F(UndoTest, AFailedOrCancelledLoadLeavesNothingToUndo) {
    markSevenWithFixed39();
    const SelectionGrid marked = session.grid;
    whenModal([](QWidget* chooser) { chooser->close(); });
    main().Chargerbulletin1Click();
    press("beffacer");
    undoKey();
    EXPECT_EQ(session.grid, marked);
    undoKey();
    EXPECT_EQ(session.grid, marked) << "the cancelled load kept nothing";
}

} // namespace
} // namespace orvane::test
