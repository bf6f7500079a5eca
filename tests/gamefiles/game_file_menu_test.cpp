#include "gamefiles/file_chooser.h"
#include "gamefiles/game_file_test_support.h"
#include "support/program_fixture.h"
#include "wheels/ticket_grid_panel.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace orvane::test {
namespace {

class GameFileMenu : public ProgramFixture {
  protected:
    void SetUp() override {
        startProgram();
        windows().fileChooser->openFolder(QString::fromStdString(games.path()));
    }

    void trigger(const char* item) { main().findChild<QAction*>(QLatin1String(item))->trigger(); }
    static void press(QWidget* window, const char* button) {
        QTest::mouseClick(window->findChild<QPushButton*>(QLatin1String(button)), Qt::LeftButton);
    }
    QString counter(const char* name) {
        return main().findChild<QLabel*>(QLatin1String(name))->text();
    }
    int shownSystemPosition() {
        return main().findChild<QComboBox*>(QStringLiteral("ComboBox1"))->currentIndex();
    }

    TempFolder games;
};

TEST_F(GameFileMenu, SavesThroughTheChooserAndLoadsTheSameGameBack) {
    select({3, 17, ThunderballCell(5)});
    fix({20});
    session.systemList.choose(2);
    main().ShowChosenSystem();

    whenModal([](QWidget* chooser) {
        auto* name = chooser->findChild<QLineEdit*>(QStringLiteral("Edit1"));
        name->selectAll();
        QTest::keyClicks(name, QStringLiteral("my game"));
        press(chooser, "boutok");
    });
    trigger("EnregistrerBulletin1");
    EXPECT_TRUE(prompts.shown.empty());
    EXPECT_EQ(ReadBytes(games.file("my game")), Record(ExampleGrid(), 2));

    main().beffacerClick();
    chooseSystem(1);
    whenModal([](QWidget* chooser) {
        auto* list = chooser->findChild<QListWidget*>(QStringLiteral("FileListBox1"));
        const QList<QListWidgetItem*> saved =
            list->findItems(QStringLiteral("my game"), Qt::MatchExactly);
        ASSERT_EQ(saved.size(), 1) << "the game saved before is listed";
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(saved.first()).center());
        press(chooser, "boutok");
    });
    trigger("Chargerbulletin1");

    EXPECT_TRUE(prompts.shown.empty());
    EXPECT_EQ(session.grid, ExampleGrid());
    EXPECT_EQ(session.systemList.chosenPosition(), 2);
    EXPECT_EQ(shownSystemPosition(), 2);
    EXPECT_EQ(counter("nbcoch"), QStringLiteral("3"));
    EXPECT_EQ(counter("labnbFix"), QStringLiteral("1"));
    EXPECT_EQ(counter("lnbcochb"), QStringLiteral("1"));
    EXPECT_EQ(main().grid()->cell(20)->picture(), CellPicture::Fixed);
    EXPECT_EQ(main().grid()->cell(17)->picture(), CellPicture::Selected);
}

TEST_F(GameFileMenu, LoadingWithoutAPickSaysThereIsNoSuchFile) {
    select({8});
    const SelectionGrid before = session.grid;
    whenModal([](QWidget* chooser) { press(chooser, "boutok"); });
    trigger("Chargerbulletin1");

    const Prompt missing{"Fichier inexistant", "Problème !!", PromptIcon::None, PromptButtons::Ok,
                         false};
    EXPECT_EQ(prompts.shown, std::vector<Prompt>{missing});
    EXPECT_EQ(session.grid, before);
    EXPECT_EQ(counter("nbcoch"), QStringLiteral("1"));
}

TEST_F(GameFileMenu, SavingWithTheMaskAsNameWritesNothing) {
    whenModal([](QWidget* chooser) { press(chooser, "boutok"); });
    trigger("EnregistrerBulletin1");

    EXPECT_EQ(prompts.shown, std::vector<Prompt>{SaveFailedPrompt()});
    EXPECT_TRUE(FolderContents(games.path()).empty());
}

} // namespace
} // namespace orvane::test
