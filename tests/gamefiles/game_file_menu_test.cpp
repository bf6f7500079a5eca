#include "gamefiles/file_chooser.h"
#include "gamefiles/game_file_test_support.h"
#include "support/killed_save.h"
#include "support/player_only.h"
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
    static QListWidget* fileList(QWidget* chooser) {
        return chooser->findChild<QListWidget*>(QStringLiteral("FileListBox1"));
    }
    static QStringList listed(QWidget* chooser) {
        QStringList names;
        for (int i = 0; i < fileList(chooser)->count(); ++i)
            names << fileList(chooser)->item(i)->text();
        return names;
    }
    static void pickInList(QWidget* chooser, const QString& name) {
        QListWidget* list = fileList(chooser);
        const QList<QListWidgetItem*> items = list->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << name.toStdString() << " is listed";
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(items.first()).center());
    }
    // Save game, typing `name` into the chooser's name field, answering Yes to a replacement.
    void saveAs(const std::string& name) {
        whenModal([name](QWidget* chooser) {
            auto* field = chooser->findChild<QLineEdit*>(QStringLiteral("Edit1"));
            field->selectAll();
            QTest::keyClicks(field, QString::fromStdString(name));
            press(chooser, "boutok");
        });
        trigger("EnregistrerBulletin1");
    }
    // Load game, picking `name` in the chooser's file list.
    void loadPicking(const std::string& name) {
        whenModal([name](QWidget* chooser) {
            pickInList(chooser, QString::fromStdString(name));
            press(chooser, "boutok");
        });
        trigger("Chargerbulletin1");
    }
    void markExample() {
        select({3, 17, ThunderballCell(5)});
        fix({20});
        session.systemList.choose(2);
        main().ShowChosenSystem();
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

TEST_F(GameFileMenu, SavesAndLoadsAGameUnderAnyNameTheFileSystemTakes) {
    // Files a wildcard pattern would match stay as they are: every name is taken literally.
    const Bytes decoy = Record(SelectionGrid{}, 7);
    for (const char* name : {"game1", "games", "same", "gxme"})
        WriteBytes(games.file(name), decoy);
    const Prompt missing{"Fichier inexistant", "Problème !!", PromptIcon::None, PromptButtons::Ok,
                         false};

    for (const std::string& name :
         {std::string("game[1]"), std::string("*"), std::string("g?me"), std::string("[gs]ame*"),
          std::string("a name of 255 bytes ") + std::string(235, 'n')}) {
        SCOPED_TRACE(name);
        prompts.shown.clear();
        main().beffacerClick();
        markExample();
        saveAs(name);
        EXPECT_TRUE(prompts.shown.empty());
        EXPECT_EQ(ReadBytes(games.file(name)), Record(ExampleGrid(), 2));

        main().beffacerClick();
        chooseSystem(1);
        loadPicking(name);
        EXPECT_TRUE(prompts.shown.empty());
        EXPECT_EQ(session.grid, ExampleGrid());
        EXPECT_EQ(shownSystemPosition(), 2);
        EXPECT_EQ(counter("nbcoch"), QStringLiteral("3"));
    }
    for (const char* name : {"game1", "games", "same", "gxme"})
        EXPECT_EQ(ReadBytes(games.file(name)), decoy) << name;

    // With a file named "*" there, Ok without a pick loads it; without one there is none to load.
    std::filesystem::remove(games.file("*"));
    whenModal([](QWidget* chooser) { press(chooser, "boutok"); });
    prompts.shown.clear();
    trigger("Chargerbulletin1");
    EXPECT_EQ(prompts.shown, std::vector<Prompt>{missing});
}

TEST_F(GameFileMenu, AKilledSaveShowsNoGameInTheListAndTheNextSaveClearsItAway) {
    WriteBytes(games.file("game"), Record(ExampleGrid(), 2));
    ASSERT_TRUE(SaveKilledHalfWay(games.file("game"), Record(SelectionGrid{}, 5)));
    ASSERT_EQ(FolderContents(games.path()).size(), 2u) << "the killed save left its temporary";

    whenModal([](QWidget* chooser) {
        EXPECT_EQ(listed(chooser), QStringList{QStringLiteral("game")});
        press(chooser, "boutannule");
    });
    trigger("Chargerbulletin1");

    markExample();
    saveAs("another game");
    EXPECT_TRUE(prompts.shown.empty());
    EXPECT_EQ(FolderContents(games.path()), (std::vector<std::string>{"another game", "game"}));
    EXPECT_EQ(ReadBytes(games.file("game")), Record(ExampleGrid(), 2));
}

TEST_F(GameFileMenu, AGameFileTurnedIntoAFifoIsAFileThatCannotBeRead) {
    WriteBytes(games.file("game"), Record(ExampleGrid(), 2));
    select({8});
    const SelectionGrid before = session.grid;
    whenModal([this](QWidget* chooser) {
        pickInList(chooser, QStringLiteral("game"));
        // Another program puts a FIFO in the file's place before Ok.
        std::filesystem::remove(games.file("game"));
        ASSERT_EQ(::mkfifo(games.file("game").c_str(), 0644), 0);
        press(chooser, "boutok");
    });
    trigger("Chargerbulletin1");

    const Prompt unreadable{"Erreur à la lecture du fichier", "Problème !!", PromptIcon::None,
                            PromptButtons::Ok, false};
    EXPECT_EQ(prompts.shown, std::vector<Prompt>{unreadable});
    EXPECT_EQ(session.grid, before);
}

TEST_F(GameFileMenu, SavingOntoAFifoOrADeviceFailsAndLeavesItThere) {
    ASSERT_EQ(::mkfifo(games.file("pipe").c_str(), 0644), 0);
    std::filesystem::create_symlink("/dev/null", games.file("null"));
    const Prompt question{"Continuer quand même ?", "Fichier existant !!", PromptIcon::None,
                          PromptButtons::YesNo, false};
    markExample();
    for (const char* name : {"pipe", "null"}) {
        SCOPED_TRACE(name);
        prompts.shown.clear();
        saveAs(name);
        EXPECT_EQ(prompts.shown, (std::vector<Prompt>{question, SaveFailedPrompt()}));
    }
    EXPECT_TRUE(std::filesystem::is_fifo(games.file("pipe")));
    std::error_code notALink;
    EXPECT_EQ(std::filesystem::read_symlink(games.file("null"), notALink), "/dev/null");
    EXPECT_EQ(FolderContents(games.path()), (std::vector<std::string>{"null", "pipe"}));
}

class GameFileMenuAsPlayer : public GameFileMenu {
  protected:
    void TearDown() override {
        ::chmod(games.path().c_str(), 0700);
        GameFileMenu::TearDown();
    }
};

TEST_F(GameFileMenuAsPlayer, ReplacesOnlyAGameFileThePlayerMayWrite) {
    ORVANE_SKIP_AS_ROOT();
    const Prompt question{"Continuer quand même ?", "Fichier existant !!", PromptIcon::None,
                          PromptButtons::YesNo, false};
    struct Case {
        const char* what;
        mode_t fileMode, folderMode;
        bool saved;
    };
    const Case cases[] = {
        {"read-only file in a writable folder", 0444, 0700, false},
        {"writable file in a read-only folder", 0644, 0500, true},
        {"read-only file in a read-only folder", 0444, 0500, false},
    };
    const Bytes old = Record(SelectionGrid{}, 7, 0x0BADF00D);
    markExample();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ::chmod(games.path().c_str(), 0700);
        std::filesystem::remove(games.file("game"));
        WriteBytes(games.file("game"), old);
        ::chmod(games.file("game").c_str(), c.fileMode);
        ::chmod(games.path().c_str(), c.folderMode);
        prompts.shown.clear();

        saveAs("game");

        if (c.saved)
            EXPECT_EQ(prompts.shown, std::vector<Prompt>{question});
        else
            EXPECT_EQ(prompts.shown, (std::vector<Prompt>{question, SaveFailedPrompt()}));
        EXPECT_EQ(ReadBytes(games.file("game")), c.saved ? Record(ExampleGrid(), 2) : old);
        EXPECT_EQ(std::filesystem::status(games.file("game")).permissions(),
                  static_cast<std::filesystem::perms>(c.fileMode));
        EXPECT_EQ(FolderContents(games.path()), std::vector<std::string>{"game"});
    }
}

} // namespace
} // namespace orvane::test
