// The draw history window, opened with its menu item over a temporary program folder and data
// folder, importing files written in the operator's layout and the plain one, keeping them in the
// player's database across a restart and a failed save, taking in the history file of earlier
// versions, exporting them, and checking every draw kept as the comparison window counts it.

#include "results/draw_history_window.h"

#include "common/prompts.h"
#include "playerdata/player_database.h"
#include "prizes/money_text.h"
#include "prizes/operator_prizes.h"
#include "prizes/prize_table_file.h"
#include "results/comparison_window.h"
#include "results/draw_history_import.h"
#include "results/draw_history_store.h"
#include "support/kept_player_data.h"
#include "support/player_only.h"
#include "support/program_fixture.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTest>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/mount.h>

namespace orvane::test {
namespace {

namespace fs = std::filesystem;
using Texts = std::vector<std::string>;

const std::string kFixtures = ORVANE_RESULTS_FIXTURES;
const char* const kCounterNames[] = {"lnb5t", "lnb5", "lnb4t", "lnb4",
                                     "lnb3t", "lnb3", "lnb2t", "lnb1t"};
constexpr int kFirstRankColumn = 3;
constexpr int kWonColumn = kFirstRankColumn + kPaidRankCount;

std::string FileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class DrawHistoryWindowTest : public ProgramFixture {
  protected:
    void SetUp() override {
        startProgram();
        main().show();
    }

    QAction* menuItem() { return main().findChild<QAction*>(QStringLiteral("mHistorique1")); }
    DrawHistoryWindow& window() { return *windows().drawHistory; }
    std::string databaseFile() { return session.dataFolder + kPlayerDatabaseFileName; }
    std::string textOf(const char* label) {
        return window().findChild<QLabel*>(QLatin1String(label))->text().toStdString();
    }
    void press(const char* button) {
        QTest::mouseClick(window().findChild<QPushButton*>(QLatin1String(button)), Qt::LeftButton);
    }
    // Opens the window with its menu item and runs `inside` while it is open; the window is
    // closed with "Return" afterwards if `inside` left it open.
    void openThroughMenu(std::function<void()> inside) {
        EXPECT_TRUE(VisitModal([this] { menuItem()->trigger(); },
                               [this](QWidget& modal) { return &modal == &window(); },
                               [&](QWidget&) { inside(); }, Pressing("BitBtn1")));
    }
    // Imports the file at `path` with the Import button, as the player picks it in the dialog.
    void import(const std::string& path) {
        openPath.answer = path;
        press("bimport");
    }
    std::string writeFile(const std::string& name, const std::string& text) {
        const std::string path = folder() + name;
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }

    QAbstractItemModel* rows() {
        return window().findChild<QTableView*>(QStringLiteral("tdraws"))->model();
    }
    std::string cell(int row, int column) {
        return rows()->index(row, column).data().toString().toStdString();
    }
    // Date, main numbers and Thunderball of a row.
    Texts drawOf(int row) { return {cell(row, 0), cell(row, 1), cell(row, 2)}; }
    Texts countsOf(int row) {
        Texts counts;
        for (int c = kFirstRankColumn; c < kWonColumn; ++c)
            counts.push_back(cell(row, c));
        return counts;
    }
    Texts refusals() {
        Texts texts;
        auto* list = window().findChild<QListWidget*>(QStringLiteral("limport"));
        for (int i = 0; i < list->count(); ++i)
            texts.push_back(list->item(i)->text().toStdString());
        return texts;
    }
    std::string totals(int row, int column) {
        QTableWidget* table = window().findChild<QTableWidget*>(QStringLiteral("ttotals"));
        return table->item(row, column)->text().toStdString();
    }

    // The full system of nine numbers (126 boards) over 2 5 9 14 18 22 27 33 39, Thunderball 5.
    void markFullNine() {
        chooseSystem(7);
        select({2, 5, 9, 14, 18, 22, 27, 33, 39, ThunderballCell(5)});
    }
    // Draws of the file's layout written for the checks: some of them fall on the marked numbers.
    std::string checkedDraws() {
        return writeFile("checked.txt", "21/03/2025 2 5 9 14 18 5\n"
                                        "19/03/2025 2 5 9 14 22 6\n"
                                        "18/03/2025 2 5 9 30 31 5\n"
                                        "15/03/2025 1 3 4 6 7 5\n"
                                        "3 9 12 27 33 2\n");
    }
};

TEST_F(DrawHistoryWindowTest, MenuItemOpensTheHistoryAfterTheWheelProfileWhateverIsMarked) {
    QMenu* utilize = main().findChild<QMenu*>(QStringLiteral("Utilisation1"));
    const QList<QAction*> items = utilize->actions();
    const qsizetype at = items.indexOf(menuItem());
    ASSERT_GE(at, 1);
    EXPECT_EQ(items[at - 1]->objectName(), QStringLiteral("mProfil1"));
    EXPECT_EQ(menuItem()->text(), QStringLiteral("Draw history"));
    EXPECT_EQ(windows().drawHistory.ifMade(), nullptr) << "created on its first opening";

    openThroughMenu([&] {
        EXPECT_EQ(window().objectName(), QStringLiteral("DrawHistory"));
        EXPECT_EQ(window().windowTitle(), QStringLiteral("Draw history"));
        EXPECT_EQ(rows()->rowCount(), 0);
        EXPECT_EQ(textOf("lstored"),
                  "No draw kept yet: import the operator's download or a text file of draws");
        for (const auto& [name, text] :
             {std::pair{"bimport", "Import"}, std::pair{"bcheck", "Check every draw"},
              std::pair{"bexport", "Export draws"}, std::pair{"BitBtn1", "Return"}})
            EXPECT_EQ(window().findChild<QPushButton*>(QLatin1String(name))->text(),
                      QLatin1String(text));
    });
    EXPECT_TRUE(prompts.shown.empty()) << "no selection check to open it";
    EXPECT_FALSE(fs::exists(session.dataFolder)) << "nothing written by looking";
}

TEST_F(DrawHistoryWindowTest, ImportsBothLayoutsNewestFirstAndEachDrawOnce) {
    openThroughMenu([&] {
        import(kFixtures + "operator-download.csv");
        EXPECT_EQ(openPath.asked, Texts({"Import draws | Draw files (*.csv *.txt)"}));
        EXPECT_EQ(textOf("lreport"),
                  "6 tirages ajout\u00E9s, 0 d\u00E9j\u00E0 enregistr\u00E9, 0 ligne refus\u00E9e");
        EXPECT_TRUE(refusals().empty());
        ASSERT_EQ(rows()->rowCount(), 6);
        EXPECT_EQ(textOf("lstored"), "6 draws kept, newest first");
        EXPECT_EQ(drawOf(0), Texts({"14/03/2025", "03 09 17 22 30", "5"}));
        EXPECT_EQ(drawOf(5), Texts({"05/03/2025", "02 10 18 23 34", "11"}));
        EXPECT_EQ(countsOf(0), Texts(9, "")) << "nothing checked yet";

        // Two of the plain file's draws are the operator's, written otherwise.
        import(kFixtures + "plain-draws.txt");
        EXPECT_EQ(textOf("lreport"), "1 tirage ajout\u00E9, 2 d\u00E9j\u00E0 enregistr\u00E9s, 0 "
                                     "ligne refus\u00E9e");
        ASSERT_EQ(rows()->rowCount(), 7);
        EXPECT_EQ(drawOf(6), Texts({"no date", "08 20 29 35 37", "6"}));

        import(kFixtures + "operator-download.csv");
        EXPECT_EQ(textOf("lreport"), "0 tirage ajout\u00E9, 6 d\u00E9j\u00E0 enregistr\u00E9s, 0 "
                                     "ligne refus\u00E9e");
        EXPECT_EQ(rows()->rowCount(), 7);

        // Cancelling the dialog changes nothing.
        openPath.answer.reset();
        press("bimport");
        EXPECT_EQ(rows()->rowCount(), 7);
        EXPECT_EQ(textOf("lreport"), "0 tirage ajout\u00E9, 6 d\u00E9j\u00E0 enregistr\u00E9s, 0 "
                                     "ligne refus\u00E9e");
    });
    EXPECT_TRUE(prompts.shown.empty());
    EXPECT_EQ(KeptDraws(session.dataFolder).size(), 7u) << "kept in the data folder, made for it";
}

TEST_F(DrawHistoryWindowTest, ShowsEveryRefusedLineWithItsReasonAndImportsTheGoodOnes) {
    using namespace std::string_literals;
    openThroughMenu([&] {
        import(kFixtures + "operator-download-with-bad-lines.csv");
        EXPECT_EQ(textOf("lreport"), "2 tirages ajout\u00E9s, 0 d\u00E9j\u00E0 enregistr\u00E9, 6 "
                                     "lignes refus\u00E9es");
        EXPECT_EQ(refusals(), Texts({
                                  "ligne 3 : le num\u00E9ro 40 n'est pas entre 1 et 39",
                                  "ligne 4 : le Thunderball 15 n'est pas entre 1 et 14",
                                  "ligne 5 : le num\u00E9ro 4 est donn\u00E9 deux fois",
                                  "ligne 6 : il manque le champ \u00AB Thunderball \u00BB",
                                  "ligne 7 : date invalide \u00AB 31-Feb-2025 \u00BB",
                                  "ligne 8 : \u00AB 1O \u00BB n'est pas un nombre",
                              }));
        ASSERT_EQ(rows()->rowCount(), 2);
        EXPECT_EQ(drawOf(0), Texts({"14/03/2025", "03 09 17 22 30", "5"}));
        EXPECT_EQ(drawOf(1), Texts({"01/03/2025", "08 16 24 32 39", "3"}));

        import(writeFile("typed.txt", "20/03/2025 1 2 3 4 5 6\n"
                                      "21/03/2025 1 2 3 4 5\n"
                                      "22/03/2025 1 2 3 4 5 6\0\n"s
                                      "1 2 3 4 6 7\n"));
        EXPECT_EQ(textOf("lreport"), "2 tirages ajout\u00E9s, 0 d\u00E9j\u00E0 enregistr\u00E9, 2 "
                                     "lignes refus\u00E9es");
        EXPECT_EQ(refusals(), Texts({"ligne 2 : il manque des num\u00E9ros : 5 au lieu de 6",
                                     "ligne 3 : octet inattendu 0x00"}));
        EXPECT_EQ(rows()->rowCount(), 4);

        // Files that are no draw files add nothing and say so; the draws kept stay.
        const std::pair<std::string, std::string> notDraws[] = {
            {writeFile("letter.txt", "Dear player,\nthe draw is on Friday.\n"),
             "Ce n'est pas un fichier de tirages : aucun tirage ajout\u00E9"},
            {kFixtures + "lotto-download.csv",
             "Ce sont les tirages d'un autre jeu que le Thunderball : aucun tirage ajout\u00E9"},
            {writeFile("empty.txt", ""), "Le fichier est vide : aucun tirage ajout\u00E9"},
            {folder() + "missing.csv",
             "Erreur \u00E0 la lecture du fichier : aucun tirage ajout\u00E9"},
        };
        for (const auto& [path, report] : notDraws) {
            SCOPED_TRACE(path);
            import(path);
            EXPECT_EQ(textOf("lreport"), report);
            EXPECT_TRUE(refusals().empty());
            EXPECT_EQ(rows()->rowCount(), 4);
        }
    });
    EXPECT_TRUE(prompts.shown.empty());
    EXPECT_EQ(KeptDraws(session.dataFolder).size(), 4u);
}

TEST_F(DrawHistoryWindowTest, AFileOfThousandsOfBadLinesListsTheFirstAndCountsTheRest) {
    std::string lines = "1 2 3 4 5 6\n";
    for (int i = 0; i < 2000; ++i)
        lines += "1 2 3 4 5 99\n";
    openThroughMenu([&] {
        import(writeFile("bad.txt", lines));
        EXPECT_EQ(textOf("lreport"), "1 tirage ajout\u00E9, 0 d\u00E9j\u00E0 enregistr\u00E9, "
                                     "2000 lignes refus\u00E9es");
        const Texts shown = refusals();
        ASSERT_EQ(shown.size(), 501u);
        EXPECT_EQ(shown[0], "ligne 2 : le Thunderball 99 n'est pas entre 1 et 14");
        EXPECT_EQ(shown[499], "ligne 501 : le Thunderball 99 n'est pas entre 1 et 14");
        EXPECT_EQ(shown[500], "et 1500 autres lignes refus\u00E9es");
        EXPECT_EQ(rows()->rowCount(), 1);
    });
}

// A field of megabytes is named by its start: the list shows one short line for it, as for any
// other refused line, and the window stays quick to paint.
TEST_F(DrawHistoryWindowTest, AHugeFieldIsNamedByItsFirstFortyCharacters) {
    // A field of 4 MB, and two more long ones, in a file within the size an import takes.
    const std::string lines = "14/03/2025 3 9 17 22 30 5\n"
                              "15/03/2025 3 9 17 22 30 " +
                              std::string(4'000'000, 'x') + "\n" + "16/03/2025 3 9 17 22 " +
                              std::string(60'000, '0') + "40 5\n" + "1/1/" +
                              std::string(60'000, '2') + " 3 9 17 22 30 5\n";
    ASSERT_LE(lines.size(), kMostDrawFileBytes);
    openThroughMenu([&] {
        import(writeFile("huge.txt", lines));
        EXPECT_EQ(textOf("lreport"), "1 tirage ajout\u00E9, 0 d\u00E9j\u00E0 enregistr\u00E9, "
                                     "3 lignes refus\u00E9es");
        EXPECT_EQ(refusals(), Texts({"ligne 2 : \u00AB " + std::string(40, 'x') +
                                         "\u2026 \u00BB n'est pas un nombre",
                                     "ligne 3 : le num\u00E9ro " + std::string(40, '0') +
                                         "\u2026 n'est pas entre 1 et 39",
                                     "ligne 4 : date invalide \u00AB 1/1/" + std::string(36, '2') +
                                         "\u2026 \u00BB"}));
        EXPECT_EQ(rows()->rowCount(), 1);
    });
}

TEST_F(DrawHistoryWindowTest, TheDrawsKeptAreThereAtTheNextStart) {
    openThroughMenu([&] { import(kFixtures + "operator-download.csv"); });
    program.reset();
    const std::string saved = FileText(databaseFile());

    startProgram();
    main().show();
    openThroughMenu([&] {
        ASSERT_EQ(rows()->rowCount(), 6);
        EXPECT_EQ(drawOf(0), Texts({"14/03/2025", "03 09 17 22 30", "5"}));
        EXPECT_TRUE(textOf("lreport").empty());
    });
    EXPECT_EQ(FileText(databaseFile()), saved) << "reading it writes nothing";
}

// The database cannot be made, or stands where a folder does: nothing is added, the French
// message says why, and what was kept is still there once the way is clear.
TEST_F(DrawHistoryWindowTest, ADatabaseThatCannotBeWrittenGivesTheFrenchMessageAndLosesNothing) {
    program.reset();
    std::ofstream(folder() + "plain-file") << "a file, not a folder";
    session.dataFolder = folder() + "plain-file/Orvane/";
    startProgram();
    main().show();
    openThroughMenu([&] {
        import(kFixtures + "operator-download.csv");
        ASSERT_EQ(prompts.shown.size(), 1u);
        EXPECT_EQ(prompts.shown[0], SaveFailedPrompt());
        EXPECT_EQ(rows()->rowCount(), 0) << "nothing added";
        EXPECT_EQ(textOf("lreport"), "0 tirage ajout\u00E9, 0 d\u00E9j\u00E0 enregistr\u00E9, 0 "
                                     "ligne refus\u00E9e");
        EXPECT_EQ(refusals(), Texts({"La base orvane.db ne peut pas \u00EAtre ouverte : rien n'a "
                                     "\u00E9t\u00E9 enregistr\u00E9."}));
    });
    EXPECT_EQ(FileText(folder() + "plain-file"), "a file, not a folder");

    program.reset();
    session.dataFolder = folder() + "data/";
    startProgram();
    main().show();
    openThroughMenu([&] { import(kFixtures + "plain-draws.txt"); });
    program.reset();
    const std::string kept = FileText(databaseFile());
    fs::rename(databaseFile(), folder() + "aside");
    fs::create_directory(databaseFile());
    startProgram();
    main().show();
    openThroughMenu([&] {
        EXPECT_EQ(textOf("lreport"), "La base orvane.db ne peut pas \u00EAtre lue : elle est "
                                     "laiss\u00E9e telle quelle, rien n'a \u00E9t\u00E9 "
                                     "enregistr\u00E9.");
        import(kFixtures + "operator-download.csv");
        ASSERT_EQ(prompts.shown.size(), 2u);
        EXPECT_EQ(prompts.shown[1].text, "Il y a eu un probl\u00E8me");
        EXPECT_EQ(rows()->rowCount(), 0);
    });
    EXPECT_TRUE(fs::is_directory(databaseFile())) << "never replaced";
    program.reset();
    fs::remove(databaseFile());
    fs::rename(folder() + "aside", databaseFile());
    EXPECT_EQ(FileText(databaseFile()), kept);
    startProgram();
    main().show();
    openThroughMenu([&] { import(kFixtures + "operator-download.csv"); });
    EXPECT_EQ(KeptDraws(session.dataFolder).size(), 7u);
}

// The files earlier versions kept: taken in at the first use, said once, and left in place.
TEST_F(DrawHistoryWindowTest, TheHistoryAndPrizesOfEarlierVersionsAreTakenInOnce) {
    program.reset();
    fs::create_directories(session.dataFolder);
    std::ofstream(session.dataFolder + kDrawHistoryFileName)
        << "# Orvane's draw history\n14/03/2025 3 9 17 22 30 5\n12/03/2025 2 7 11 25 38 14\n"
           "garbage\n";
    PrizeTable prizes = OperatorPrizeTable();
    prizes.setAmount(PrizeRank::OnePlusT, 123);
    std::ofstream(session.programFolder + kPrizeTableFileName) << EncodePrizeTable(prizes);
    startProgram();
    main().show();
    openThroughMenu([&] {
        ASSERT_EQ(rows()->rowCount(), 2);
        EXPECT_EQ(drawOf(1), Texts({"12/03/2025", "02 07 11 25 38", "14"}));
        EXPECT_EQ(textOf("lreport"), "Les 2 tirages de orvane-draws.txt ont \u00E9t\u00E9 "
                                     "repris dans la base orvane.db, 1 ligne illisible ; le "
                                     "fichier reste en place.");
    });
    openThroughMenu([&] { EXPECT_TRUE(textOf("lreport").empty()) << "said once"; });
    EXPECT_EQ(windows().prizes->table(), prizes) << "taken in when first asked for";
    EXPECT_EQ(KeptPrizes(session.dataFolder), prizes);
    EXPECT_TRUE(fs::exists(session.dataFolder + kDrawHistoryFileName));
    EXPECT_TRUE(fs::exists(session.programFolder + kPrizeTableFileName));
}

TEST_F(DrawHistoryWindowTest, ExportWritesEveryDrawKeptAsPlainLines) {
    const std::string exported = folder() + "exported.txt";
    openThroughMenu([&] {
        import(kFixtures + "plain-draws.txt");
        savePath.answer = exported;
        press("bexport");
        EXPECT_EQ(savePath.asked, Texts({"Export draws | orvane-draws.txt"}));
        EXPECT_EQ(textOf("lreport"), "3 tirages export\u00E9s dans " + exported);

        // A folder at the chosen name: said, and nothing written.
        savePath.answer = folder() + "a-folder";
        fs::create_directory(*savePath.answer);
        press("bexport");
        ASSERT_EQ(prompts.shown.size(), 1u);
        EXPECT_EQ(prompts.shown[0], SaveFailedPrompt());
        EXPECT_EQ(textOf("lreport"), "Le fichier " + folder() +
                                         "a-folder n'a pas pu \u00EAtre \u00E9crit : aucun "
                                         "tirage export\u00E9");
    });
    const EarlierDrawFile read = ReadEarlierDrawFile(exported);
    EXPECT_EQ(read.decoded.history.draws(), KeptDraws(session.dataFolder));
    EXPECT_EQ(read.decoded.linesNotRead, 0);
}

TEST_F(DrawHistoryWindowTest, CheckingRefusesASelectionTheCompareButtonRefuses) {
    const struct {
        const char* what;
        std::vector<int> cells;
    } cases[] = {
        {"nothing marked", {}},
        {"one number short", {2, 5, 9, 14, 18, 22, 27, 33, ThunderballCell(5)}},
        {"no Thunderball", {2, 5, 9, 14, 18, 22, 27, 33, 39}},
        {"two Thunderballs",
         {2, 5, 9, 14, 18, 22, 27, 33, 39, ThunderballCell(5), ThunderballCell(6)}},
    };
    openThroughMenu([&] { import(kFixtures + "operator-download.csv"); });
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        main().beffacerClick();
        chooseSystem(7);
        for (const int cell : c.cells)
            select({cell});
        prompts.shown.clear();
        openThroughMenu([&] {
            press("bcheck");
            EXPECT_EQ(prompts.shown, std::vector<Prompt>{IncorrectSelectionPrompt()});
            EXPECT_EQ(countsOf(0), Texts(9, ""));
            EXPECT_TRUE(textOf("lwon").empty());
        });
    }
}

TEST_F(DrawHistoryWindowTest, ChecksEveryDrawAndTotalsWhatTheBoardsWouldHaveWon) {
    markFullNine();
    openThroughMenu([&] {
        press("bcheck");
        EXPECT_EQ(textOf("lsystem"), "No draw kept to check: import draws first.");
        EXPECT_TRUE(textOf("lwon").empty());

        import(checkedDraws());
        press("bcheck");
        EXPECT_TRUE(prompts.shown.empty());
        ASSERT_EQ(rows()->rowCount(), 5);
        // All five drawn are marked: C(5,m) * C(4,5-m) boards hold m of them.
        EXPECT_EQ(countsOf(0), Texts({"1", "0", "20", "0", "60", "0", "40", "5", "0"}));
        const PrizeTable prizes = OperatorPrizeTable();
        EXPECT_EQ(cell(0, kWonColumn), MoneyText(1 * prizes.amount(PrizeRank::FivePlusT) +
                                                 20 * prizes.amount(PrizeRank::FourPlusT) +
                                                 60 * prizes.amount(PrizeRank::ThreePlusT) +
                                                 40 * prizes.amount(PrizeRank::TwoPlusT) +
                                                 5 * prizes.amount(PrizeRank::OnePlusT)));
        // Five marked, not the Thunderball: 5, and 4 and 3 without it.
        EXPECT_EQ(countsOf(1), Texts({"0", "1", "0", "20", "0", "60", "0", "0", "0"}));
        // Nothing marked drawn, but the Thunderball: every board wins the Thunderball alone.
        EXPECT_EQ(countsOf(3), Texts({"0", "0", "0", "0", "0", "0", "0", "0", "126"}));
        EXPECT_EQ(cell(3, kWonColumn), MoneyText(126 * prizes.amount(PrizeRank::ZeroPlusT)));

        // Every rank over the five draws, then the whole.
        EXPECT_EQ(totals(0, 1), "Winning lines");
        EXPECT_EQ(totals(0, 2), "Paid");
        EXPECT_EQ(totals(1, 0), "5 + T");
        EXPECT_EQ(totals(1, 1), "1");
        EXPECT_EQ(totals(2, 1), "1");
        EXPECT_EQ(totals(2, 2), MoneyText(prizes.amount(PrizeRank::Five)));
        EXPECT_EQ(totals(10, 0), "All");
        std::int64_t won = 0;
        for (int r = 0; r < rows()->rowCount(); ++r)
            won += PenceOfPoundsText(cell(r, kWonColumn)).value_or(-1'000'000);
        EXPECT_EQ(totals(10, 2), MoneyText(won));
        EXPECT_EQ(textOf("lwon"), "Won: " + MoneyText(won));
        EXPECT_EQ(textOf("lnet"), "Net: " + MoneyText(won - 630 * 100));
        EXPECT_EQ(textOf("lspent"), "Spent: \u00A3630.00, 126 lines at \u00A31.00 in each of 5 "
                                    "draws");
        EXPECT_NE(textOf("lsystem").find("126 boards played in each of 5 draws"),
                  std::string::npos);
        EXPECT_EQ(
            textOf("lbest").rfind("Best draw: 21/03/2025  02 05 09 14 18  T 5, which paid ", 0),
            0u);
    });
}

// The history's line of every draw holds the counters the comparison window shows for that draw,
// picked from its list of draws kept.
TEST_F(DrawHistoryWindowTest, EveryDrawsLineMatchesTheComparisonWindowsCounters) {
    markFullNine();
    std::vector<Texts> checked;
    std::vector<std::string> won;
    openThroughMenu([&] {
        import(kFixtures + "operator-download.csv");
        import(checkedDraws());
        press("bcheck");
        for (int r = 0; r < rows()->rowCount(); ++r) {
            checked.push_back(countsOf(r));
            won.push_back(cell(r, kWonColumn));
        }
    });
    ASSERT_EQ(checked.size(), 11u);

    ComparisonWindow& comparison = *windows().comparison;
    const auto compareEach = [&](QWidget&) {
        auto* stored = comparison.findChild<QComboBox*>(QStringLiteral("cbstored"));
        ASSERT_EQ(stored->count(), 12) << "an entry that picks none, then every draw kept";
        const PrizeTable prizes = OperatorPrizeTable();
        for (int r = 0; r < 11; ++r) {
            SCOPED_TRACE(stored->itemText(r + 1).toStdString());
            stored->setCurrentIndex(r + 1);
            QTest::mouseClick(comparison.findChild<QPushButton*>(QStringLiteral("button1")),
                              Qt::LeftButton);
            Texts counters;
            std::int64_t paid = 0;
            for (int i = 0; i < kPrizeRankCount; ++i) {
                const QString shown =
                    comparison.findChild<QLabel*>(QLatin1String(kCounterNames[i]))->text();
                counters.push_back(shown.toStdString());
                paid += shown.toLongLong() * prizes.amount(static_cast<PrizeRank>(i));
            }
            // The Thunderball alone has no counter there: its lines are the boards whose verdict
            // is no main number with the Thunderball.
            auto* lines = comparison.findChild<QListWidget*>(QStringLiteral("listresul"));
            int alone = 0;
            for (int l = 0; l < lines->count(); ++l)
                alone += lines->item(l)->text().endsWith(QStringLiteral(" -> MB:0 T: 1"));
            counters.push_back(std::to_string(alone));
            paid += alone * prizes.amount(PrizeRank::ZeroPlusT);
            EXPECT_EQ(counters, checked[static_cast<std::size_t>(r)]);
            EXPECT_EQ(MoneyText(paid), won[static_cast<std::size_t>(r)]);
        }
    };
    EXPECT_TRUE(VisitModal(
        [this] {
            QTest::mouseClick(main().findChild<QPushButton*>(QStringLiteral("bcomparer")),
                              Qt::LeftButton);
        },
        [&](QWidget& modal) { return &modal == &comparison; }, compareEach, Pressing("BitBtn1")));
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(DrawHistoryWindowTest, TheMoneyComesFromThePrizesKept) {
    PrizeTable prizes = OperatorPrizeTable();
    prizes.setAmount(PrizeRank::OnePlusT, 123);
    prizes.pricePerBoard = 250;
    KeepPrizes(session.dataFolder, prizes);
    markFullNine();
    openThroughMenu([&] {
        import(writeFile("one.txt", "2 30 31 32 34 5\n")); // one marked and the Thunderball
        press("bcheck");
        // Every board holding 2 (C(8,4) = 70 of them) wins 1 + T, every other (C(8,5) = 56)
        // the Thunderball alone.
        EXPECT_EQ(countsOf(0), Texts({"0", "0", "0", "0", "0", "0", "0", "70", "56"}));
        EXPECT_EQ(cell(0, kWonColumn), MoneyText(std::int64_t{70 * 123 + 56 * 300}));
        EXPECT_EQ(textOf("lspent"), "Spent: \u00A3315.00, 126 lines at \u00A32.50 in each of 1 "
                                    "draws");
        EXPECT_EQ(textOf("lnet"),
                  "Net: " + MoneyText(std::int64_t{70 * 123 + 56 * 300 - 126 * 250}));
    });
}

TEST_F(DrawHistoryWindowTest, ImportingAfterACheckClearsTheCheckOfDrawsItDidNotCover) {
    markFullNine();
    openThroughMenu([&] {
        import(checkedDraws());
        press("bcheck");
        EXPECT_EQ(countsOf(0)[0], "1");
        import(kFixtures + "operator-download.csv");
        EXPECT_EQ(rows()->rowCount(), 11);
        EXPECT_EQ(countsOf(0), Texts(9, ""));
        EXPECT_TRUE(textOf("lwon").empty());
    });
}

// The data folder on a disk of 256 KiB that fills up after a first import: the second one adds
// nothing, says why, and the draws of the first stay.
TEST_F(DrawHistoryWindowTest, AFullDiskGivesTheFrenchMessageAndKeepsWhatWasKept) {
    program.reset();
    fs::create_directories(session.dataFolder);
    if (::mount("tmpfs", session.dataFolder.c_str(), "tmpfs", 0, "size=256k") != 0)
        GTEST_SKIP() << "a small disk needs mounting, which only root may do here";
    struct Unmount {
        std::string at;
        ~Unmount() { ::umount2(at.c_str(), MNT_DETACH); }
    } unmount{session.dataFolder};
    startProgram();
    main().show();
    openThroughMenu([&] {
        import(kFixtures + "plain-draws.txt");
        {
            std::ofstream filler(session.dataFolder + "filler", std::ios::binary);
            const std::string block(4096, 'x');
            while (filler.write(block.data(), static_cast<std::streamsize>(block.size())))
                ;
        }
        import(writeFile("many.txt", [] {
            std::string lines;
        for (int day = 1; day <= 28; ++day)
            for (int month = 1; month <= 12; ++month)
                lines += std::to_string(day) + "/" + std::to_string(month) + "/2024 1 2 3 4 " +
                         std::to_string(5 + month) + " " + std::to_string(1 + day % 14) + "\n";
        return lines;
        }()));
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0], SaveFailedPrompt());
    EXPECT_EQ(refusals(), Texts({"Le disque est plein : rien n'a \u00E9t\u00E9 "
                                 "enregistr\u00E9, ce qui \u00E9tait gard\u00E9 est "
                                 "intact."}));
    EXPECT_EQ(rows()->rowCount(), 3) << "the draws kept before are still shown";
});
program.reset();
fs::remove(session.dataFolder + "filler");
EXPECT_EQ(KeptDraws(session.dataFolder).size(), 3u);
}

class DrawHistoryWindowAsPlayer : public DrawHistoryWindowTest {};

TEST_F(DrawHistoryWindowAsPlayer, AReadOnlyDatabaseIsShownAndNeverWritten) {
    ORVANE_SKIP_AS_ROOT();
    openThroughMenu([&] { import(kFixtures + "plain-draws.txt"); });
    program.reset();
    fs::permissions(databaseFile(), fs::perms::owner_read);
    const std::string kept = FileText(databaseFile());
    startProgram();
    main().show();
    openThroughMenu([&] {
        EXPECT_EQ(rows()->rowCount(), 3);
        import(kFixtures + "operator-download.csv");
        ASSERT_EQ(prompts.shown.size(), 1u);
        EXPECT_EQ(prompts.shown[0], SaveFailedPrompt());
        EXPECT_EQ(refusals(), Texts({"La base orvane.db est en lecture seule : rien n'a "
                                     "\u00E9t\u00E9 enregistr\u00E9."}));
        EXPECT_EQ(rows()->rowCount(), 3);
    });
    program.reset();
    EXPECT_EQ(FileText(databaseFile()), kept);
}

} // namespace
} // namespace orvane::test
