// Game files opened as documents: named on the command line, dropped on the main window, or
// picked among the recent games of the Files menu, each with the rules and messages of Load game;
// the recent games kept in the player's folder, never in the parameters file.
#include "app/command_line.h"
#include "app/main_window.h"
#include "gamefiles/file_chooser.h"
#include "gamefiles/game_file.h"
#include "gamefiles/recent_games.h"
#include "wheels/ticket_grid_panel.h"

#include "support/program_fixture.h"

#include <QAction>
#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QUrl>

#include <filesystem>
#include <fstream>

namespace orvane::test {
namespace {

const Prompt kNotAGame{"Ce n'est pas un fichier grille", "Problème !!", PromptIcon::None,
                       PromptButtons::Ok, false};
const Prompt kMissing{"Fichier inexistant", "Problème !!", PromptIcon::None, PromptButtons::Ok,
                      false};

class GameFilesAsDocumentsTest : public ProgramFixture {
  protected:
    void SetUp() override {
        startProgram();
        main().show();
    }
    // A game of system position `position` with `cells` selected, in the program's folder.
    std::string writeGame(const std::string& name, int position, std::initializer_list<int> cells) {
        SelectionGrid grid;
        for (int c : cells)
            grid.setState(c, kSelected);
        GameRecordBuffer record;
        record.fill(position, grid);
        const std::string path = folder() + name;
        EXPECT_TRUE(WriteGameRecord(path, record.bytes()));
        return path;
    }
    std::string writeText(const std::string& name) {
        std::ofstream(folder() + name) << std::string(300, 'x');
        return folder() + name;
    }
    // Drops the files at `paths` on the main window as a file manager does; whether it took them.
    bool drop(const std::vector<std::string>& paths) {
        QMimeData data;
        QList<QUrl> urls;
        for (const std::string& path : paths)
            urls << QUrl::fromLocalFile(QString::fromStdString(path));
        data.setUrls(urls);
        const QPoint at = main().rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&main(), &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent dropped(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&main(), &dropped);
        return dropped.isAccepted();
    }
    QMenu* recentMenu() { return main().findChild<QMenu*>(QStringLiteral("mRecents1")); }
    std::vector<std::string> recentShown() {
        std::vector<std::string> texts;
        for (QAction* item : recentMenu()->actions())
            texts.push_back(item->text().toStdString());
        return texts;
    }
};

TEST_F(GameFilesAsDocumentsTest, TheCommandLineNamesOneGameFileToLoadOrAsksForHelpOrVersion) {
    const QString work = QString::fromStdString(folder());
    struct Case {
        QStringList arguments;
        CommandLine::Action action;
        std::string gameFile;
    };
    const Case cases[] = {
        {{"orvane"}, CommandLine::Action::Start, ""},
        {{"orvane", "saturday"}, CommandLine::Action::Start, folder() + "saturday"},
        {{"orvane", "../x/../saturday game"},
         CommandLine::Action::Start,
         std::filesystem::path(folder()).parent_path().parent_path().string() + "/saturday game"},
        {{"orvane", "/games/friday"}, CommandLine::Action::Start, "/games/friday"},
        {{"orvane", "--", "-odd name"}, CommandLine::Action::Start, folder() + "-odd name"},
        {{"orvane", "--help"}, CommandLine::Action::PrintHelp, ""},
        {{"orvane", "-h"}, CommandLine::Action::PrintHelp, ""},
        {{"orvane", "--version"}, CommandLine::Action::PrintVersion, ""},
        {{"orvane", "a", "b"}, CommandLine::Action::Refuse, ""},
        {{"orvane", "--colour"}, CommandLine::Action::Refuse, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(QLatin1Char(' ')).toStdString());
        const CommandLine line = ParseCommandLine(c.arguments, work);
        EXPECT_EQ(line.action, c.action);
        EXPECT_EQ(line.gameFile, c.gameFile);
    }
    const QString help = ParseCommandLine({"orvane", "--help"}, work).text;
    EXPECT_TRUE(help.contains(QStringLiteral("[FILE]"))) << help.toStdString();
    EXPECT_TRUE(help.contains(QStringLiteral("--version")));
    EXPECT_EQ(ParseCommandLine({"orvane", "--version"}, work).text,
              QStringLiteral("orvane %1\n").arg(QStringLiteral(ORVANE_VERSION)));
}

TEST_F(GameFilesAsDocumentsTest, AGameNamedAtStartIsLoadedWithTheMessagesOfLoadGame) {
    writeGame("saturday", 4, {10, 11, 12, ThunderballCell(9)});
    writeText("notes.txt");
    const QString work = QString::fromStdString(folder());
    const auto start = [&](const char* name) {
        const CommandLine line = ParseCommandLine({"orvane", QLatin1String(name)}, work);
        return main().LoadGameFile(line.gameFile);
    };

    EXPECT_FALSE(start("notes.txt"));
    EXPECT_FALSE(start("missing"));
    EXPECT_EQ(prompts.shown, (std::vector<Prompt>{kNotAGame, kMissing}));
    EXPECT_EQ(session.grid.CountCells(CellKind::Main), 0) << "the empty grid of the start stays";

    EXPECT_TRUE(start("saturday"));
    EXPECT_EQ(prompts.shown.size(), 2u);
    EXPECT_EQ(session.systemList.chosenPosition(), 4);
    EXPECT_EQ(session.grid.state(10), kSelected);
    EXPECT_EQ(session.grid.state(ThunderballCell(9)), kSelected);
    EXPECT_EQ(main().grid()->cell(11)->picture(), CellPicture::Selected);
}

TEST_F(GameFilesAsDocumentsTest, AGameFileDroppedOnTheMainWindowIsLoaded) {
    const std::string game = writeGame("dropped", 3, {1, 2, 3, ThunderballCell(1)});
    const std::string text = writeText("letter.txt");

    EXPECT_FALSE(drop({game, text})) << "two files at once are refused";
    EXPECT_TRUE(drop({text}));
    EXPECT_EQ(prompts.shown, std::vector<Prompt>{kNotAGame});
    EXPECT_EQ(session.grid.CountCells(CellKind::Main), 0);

    EXPECT_TRUE(drop({game}));
    EXPECT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(session.systemList.chosenPosition(), 3);
    EXPECT_EQ(session.grid.CountCells(CellKind::Main), 3);
    EXPECT_EQ(main().recentGames(), std::vector<std::string>{game});
}

TEST_F(GameFilesAsDocumentsTest, TheRecentGamesAreKeptForTheNextStartOutsideTheParametersFile) {
    EXPECT_FALSE(recentMenu()->isEnabled()) << "nothing loaded or saved yet";
    const std::string first = writeGame("first", 1, {5});
    const std::string second = writeGame("second", 2, {6});
    ASSERT_TRUE(main().LoadGameFile(first));
    ASSERT_TRUE(main().LoadGameFile(second));

    // Saved through the chooser: the game saved joins the list too.
    windows().fileChooser->openFolder(QString::fromStdString(folder()));
    whenModal([](QWidget* chooser) {
        auto* name = chooser->findChild<QLineEdit*>(QStringLiteral("Edit1"));
        name->selectAll();
        QTest::keyClicks(name, QStringLiteral("third"));
        QTest::mouseClick(chooser->findChild<QPushButton*>(QStringLiteral("boutok")),
                          Qt::LeftButton);
    });
    main().EnregistrerBulletin1Click();
    const std::string third = folder() + "third";
    ASSERT_TRUE(std::filesystem::exists(third));

    EXPECT_EQ(main().recentGames(), (std::vector<std::string>{third, second, first}));
    EXPECT_TRUE(recentMenu()->isEnabled());
    EXPECT_EQ(recentShown(), (std::vector<std::string>{
                                 "&1 third   (" + folder().substr(0, folder().size() - 1) + ")",
                                 "&2 second   (" + folder().substr(0, folder().size() - 1) + ")",
                                 "&3 first   (" + folder().substr(0, folder().size() - 1) + ")"}));
    EXPECT_EQ(ReadRecentGames(playerFolder + kRecentGamesFileName),
              (std::vector<std::string>{third, second, first}));
    EXPECT_FALSE(std::filesystem::exists(folder() + "ORVANE.PAR")) << "the parameters file is "
                                                                      "written by Quit alone";

    // Picking one loads it, with the messages of Load game for one gone since.
    recentMenu()->actions()[2]->trigger();
    EXPECT_EQ(session.systemList.chosenPosition(), 1);
    EXPECT_EQ(session.grid.state(5), kSelected);
    std::filesystem::remove(second);
    recentMenu()->actions()[2]->trigger(); // "second", now third in the list
    EXPECT_EQ(prompts.shown, std::vector<Prompt>{kMissing});

    // The next start lists them as they were left.
    program.reset();
    startProgram();
    EXPECT_EQ(main().recentGames(), (std::vector<std::string>{first, third, second}));
}

} // namespace
} // namespace orvane::test
