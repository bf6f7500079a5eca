// The wheel profile window, opened with its menu item and driven through its fields and buttons,
// over a temporary program folder.

#include "prizes/wheel_profile_window.h"

#include "playerdata/player_database.h"
#include "prizes/money_text.h"
#include "prizes/odds_text.h"
#include "prizes/operator_prizes.h"
#include "prizes/prize_table_file.h"
#include "prizes/wheel_profile_texts.h"
#include "support/kept_player_data.h"
#include "support/player_only.h"
#include "support/program_fixture.h"
#include "wheels/wheel_catalogue.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>

namespace orvane::test {
namespace {

namespace fs = std::filesystem;

// The fields of the ranks in the order of PrizeRank.
const char* const kRankFields[kPaidRankCount] = {"eprize5t", "eprize5",  "eprize4t",
                                                 "eprize4",  "eprize3t", "eprize3",
                                                 "eprize2t", "eprize1t", "eprize0t"};
constexpr int kFirstDrawnRow = 2; // below the two rows of headings; five drawn first
constexpr int kFirstRankRow = 1;

QString pounds(const char* amount) {
    return QStringLiteral("\u00A3") + QLatin1String(amount);
}

class WheelProfileWindowTest : public ProgramFixture {
  protected:
    void SetUp() override {
        startProgram();
        main().show();
    }

    QAction* menuItem() { return main().findChild<QAction*>(QStringLiteral("mProfil1")); }
    WheelProfileWindow& window() { return *windows().wheelProfile; }
    QString textOf(const char* label) {
        return window().findChild<QLabel*>(QLatin1String(label))->text();
    }
    QLineEdit* field(const char* name) {
        return window().findChild<QLineEdit*>(QLatin1String(name));
    }
    QTableWidget* table(const char* name) {
        return window().findChild<QTableWidget*>(QLatin1String(name));
    }
    std::vector<std::string> row(const char* tableName, int r, int firstColumn = 0) {
        std::vector<std::string> texts;
        QTableWidget* t = table(tableName);
        for (int c = firstColumn; c < t->columnCount(); ++c)
            texts.push_back(t->item(r, c) ? t->item(r, c)->text().toStdString() : "(widget)");
        return texts;
    }
    bool hintShown() {
        return window().findChild<QLabel*>(QStringLiteral("lhint"))->isVisibleTo(&window());
    }
    void press(const char* button) {
        QTest::mouseClick(window().findChild<QPushButton*>(QLatin1String(button)), Qt::LeftButton);
    }
    // Types over the whole field, key by key, as the player does.
    void typeOver(const char* name, const QString& typed) {
        field(name)->setFocus();
        field(name)->selectAll();
        QTest::keyClicks(field(name), typed);
    }
    // Opens the window with its menu item and runs `inside` while it is open; the window is
    // closed with "Return" afterwards if `inside` left it open.
    void openThroughMenu(std::function<void()> inside) {
        EXPECT_TRUE(VisitModal([this] { menuItem()->trigger(); },
                               [this](QWidget& modal) { return &modal == &window(); },
                               [&](QWidget&) { inside(); }, Pressing("BitBtn1")));
    }
    // What the window should state as the draw's prize money for the chosen system.
    std::string expectedPrizeMoney(int system, int thunderballs, const PrizeTable& prizes) {
        const DrawOdds odds = OddsOfOneDraw(ProfileOfSystem(system), thunderballs);
        return MoneyText(
            ReturnOfOneDraw(odds, prizes, WheelCatalogue(system).boardCount * thunderballs)
                .expectedPrize);
    }
    std::string databaseFile() { return session.dataFolder + kPlayerDatabaseFileName; }
    std::string prizeFileText() {
        std::ifstream in(folder() + kPrizeTableFileName, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
};

TEST_F(WheelProfileWindowTest, MenuItemOpensTheChosenSystemsProfileWithoutASelectionCheck) {
    QMenu* utilize = main().findChild<QMenu*>(QStringLiteral("Utilisation1"));
    const QList<QAction*> items = utilize->actions();
    const qsizetype at = items.indexOf(menuItem());
    ASSERT_GT(at, 0);
    EXPECT_EQ(items[at - 1]->objectName(), QStringLiteral("Imprimerlesbulletins1"))
        << "after the items every selection check guards";
    EXPECT_EQ(menuItem()->text(), QStringLiteral("Wheel profile"));
    EXPECT_EQ(windows().wheelProfile.ifMade(), nullptr) << "created on its first opening";

    const struct {
        const char* what;
        int system;
        std::vector<int> fixed;
        std::vector<int> selected;
    } cases[] = {
        {"nothing marked", 14, {}, {}},
        {"too many numbers and no Thunderball for the system", 71, {}, {1, 2, 3, 4, 5, 6, 7, 8}},
        {"its fixed number not marked, two Thunderballs",
         8,
         {},
         {1, 2, 3, ThunderballCell(4), ThunderballCell(9)}},
        {"the full system after another one", 13, {5}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        main().beffacerClick();
        chooseSystem(c.system);
        for (const int cell : c.fixed)
            fix({cell});
        for (const int cell : c.selected)
            select({cell});
        prompts.shown.clear();

        openThroughMenu([&] {
            EXPECT_EQ(window().objectName(), QStringLiteral("WheelProfile"));
            EXPECT_EQ(window().windowTitle(), QStringLiteral("Wheel profile"));
            EXPECT_EQ(textOf("lsystem").toStdString(), DescribeSystem(c.system));
            EXPECT_EQ(textOf("lguarantee").toStdString(), GuaranteeText(ProfileOfSystem(c.system)));
            EXPECT_EQ(
                table("tdrawn")->item(0, 0)->text(),
                QStringLiteral("Drawn among\nyour %1").arg(WheelCatalogue(c.system).numberCount));
        });
        EXPECT_TRUE(prompts.shown.empty()) << "no \"Incorrect Selection\"";
    }
}

// System 8: seven numbers, 39 fixed, 1 to 6 marked, and Thunderballs 2 and 9, so every board
// makes two lines.
TEST_F(WheelProfileWindowTest, ShowsTheCoreFiguresForAFixedSystemWithTwoThunderballs) {
    markSevenWithFixed39();
    select({ThunderballCell(9)});
    const WheelProfile profile = ProfileOfSystem(8);
    const DrawOdds odds = OddsOfOneDraw(profile, 2);
    openThroughMenu([&] {
        EXPECT_EQ(textOf("lthunderballs"), "Every board carries your 2 Thunderball numbers: 2 "
                                           "lines a board, 30 lines a draw.");
        EXPECT_EQ(textOf("lguarantee"),
                  "Guarantee \"5 if 5\" (including fixes): holds for all 15 ways 5 drawn numbers "
                  "can fall among your 7 with your fixed number drawn; without it the best board "
                  "holds at least 4 in the other 6 ways.");

        // Five drawn among the seven: 21 cases, 15 with 39 drawn (a board holds all five), 6
        // without (the board of the other four holds four).
        using Texts = std::vector<std::string>;
        EXPECT_EQ(row("tdrawn", kFirstDrawnRow),
                  Texts({"5", "1 in 27,417", "4", "5", "71.4%", "28.6%", "0%", "0%", "0.714",
                         "7.14", "7.14", "0"}));
        for (int j = kDrawnMainNumbers; j >= 0; --j) {
            SCOPED_TRACE(std::to_string(j) + " drawn among the marked");
            const DrawnAmongMarked& d = profile.byDrawn[static_cast<std::size_t>(j)];
            const int r = kFirstDrawnRow + kDrawnMainNumbers - j;
            EXPECT_EQ(
                row("tdrawn", r),
                Texts({std::to_string(j), OneIn(d.chance()), std::to_string(d.fewestBest),
                       std::to_string(d.mostBest), SharePercent(d.shareBestHolds(5)),
                       SharePercent(d.shareBestHolds(4)), SharePercent(d.shareBestHolds(3)),
                       SharePercent(d.shareBestHolds(2)), AverageText(d.averageBoardsHolding(5)),
                       AverageText(d.averageBoardsHolding(4)),
                       AverageText(d.averageBoardsHolding(3)),
                       AverageText(d.averageBoardsHolding(2))}));
            // The guarantee's row, five drawn, stands out from the others.
            const QTableWidgetItem* first = table("tdrawn")->item(r, 0);
            EXPECT_EQ(first->font().bold(), j == 5);
            EXPECT_EQ(first->background() != QBrush(), j == 5);
        }

        // Each board's five numbers drawn with one of its two Thunderballs: 15 x 2 of the
        // 575,757 x 14 outcomes.
        EXPECT_EQ(row("tranks", kFirstRankRow, 2)[0], "1 in 268,687");
        const PrizeTable prizes = OperatorPrizeTable();
        for (const PrizeRank rank : kPaidRanks) {
            SCOPED_TRACE(RankIndex(rank));
            const int r = kFirstRankRow + static_cast<int>(RankIndex(rank));
            EXPECT_EQ(row("tranks", r, 2),
                      Texts({OneIn(odds.chanceWon(rank)), AverageText(odds.expectedBoardsWon(rank)),
                             MoneyText(odds.expectedBoardsWon(rank) *
                                       static_cast<double>(prizes.amount(rank)))}));
            EXPECT_EQ(field(kRankFields[RankIndex(rank)])->text().toStdString(),
                      PoundsFieldText(prizes.amount(rank)));
        }
        EXPECT_EQ(textOf("lanyprize").toStdString(),
                  "Some board wins a prize: " + OneIn(odds.chanceWonAnything()));
        EXPECT_EQ(field("eprice")->text(), "1.00");
        EXPECT_EQ(textOf("lcost"), "30 lines at " + pounds("1.00") + ": " + pounds("30.00"));
        const DrawReturn played = ReturnOfOneDraw(odds, prizes, 30);
        EXPECT_EQ(textOf("lprizemoney").toStdString(), MoneyText(played.expectedPrize));
        EXPECT_EQ(textOf("lnet").toStdString(), MoneyText(played.expectedNet()));
        EXPECT_TRUE(textOf("lnet").startsWith("-")) << "a draw costs more than it returns";
        EXPECT_FALSE(hintShown());
    });
}

TEST_F(WheelProfileWindowTest, RefusesWhatIsNotMoneyWithAHintAndRecomputesOnAnAmount) {
    chooseSystem(14); // 22 boards
    select({ThunderballCell(7)});
    const auto three = RankIndex(PrizeRank::Three);
    openThroughMenu([&] {
        const struct {
            const char* typed; // over the operator's 10.00
            const char* shown;
            std::int64_t pence; // what the table holds afterwards
            bool hint;
        } cases[] = {
            {"x", "10.00", 10'00, true},      // refused at once
            {"abc", "10.00", 10'00, true},    // every key refused
            {"12.345", "12.34", 12'34, true}, // the third decimal refused
            {"10,50", "10,50", 10'00, true},  // not an amount yet: ten pounds stand
            {"\u00A3"
             "2,500",
             "\u00A3"
             "2,500",
             2'500'00, false},
            {"7.", "7.", 7'00, false},
            {".5", ".5", 50, false},
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.typed);
            press("boperatorprizes");
            EXPECT_FALSE(hintShown());
            typeOver("eprize3", QString::fromUtf8(c.typed));
            EXPECT_EQ(field("eprize3")->text(), QString::fromUtf8(c.shown));
            EXPECT_EQ(window().prizes().amount(PrizeRank::Three), c.pence);
            EXPECT_EQ(hintShown(), c.hint);
            EXPECT_EQ(textOf("lhint"), "Enter an amount in pounds, like 5 or 10.50");

            PrizeTable expected = OperatorPrizeTable();
            expected.setAmount(PrizeRank::Three, c.pence);
            EXPECT_EQ(window().prizes(), expected);
            EXPECT_EQ(textOf("lprizemoney").toStdString(), expectedPrizeMoney(14, 1, expected));
            const DrawOdds odds = OddsOfOneDraw(ProfileOfSystem(14), 1);
            EXPECT_EQ(
                row("tranks", kFirstRankRow + static_cast<int>(three), 4)[0],
                MoneyText(odds.expectedBoardsWon(PrizeRank::Three) * static_cast<double>(c.pence)));
        }

        // An unfinished amount shows until it is finished; the keys after a refused one clear
        // the hint.
        typeOver("eprice", QStringLiteral("-"));
        EXPECT_TRUE(hintShown());
        QTest::keyClicks(field("eprice"), QStringLiteral("2.5"));
        EXPECT_EQ(field("eprice")->text(), "2.5");
        EXPECT_FALSE(hintShown());
        EXPECT_EQ(textOf("lcost"), "22 lines at " + pounds("2.50") + ": " + pounds("55.00"));
        EXPECT_EQ(window().prizes().pricePerBoard, 250);
        QTest::keyClick(field("eprice"), Qt::Key_Backspace);
        QTest::keyClick(field("eprice"), Qt::Key_Backspace);
        QTest::keyClick(field("eprice"), Qt::Key_Backspace);
        EXPECT_EQ(field("eprice")->text(), "");
        EXPECT_TRUE(hintShown()) << "an empty field is no amount";
        EXPECT_EQ(window().prizes().pricePerBoard, 200) << "the last amount, \"2\", stands";
        EXPECT_EQ(textOf("lcost"), "22 lines at " + pounds("2.00") + ": " + pounds("44.00"));
    });
}

TEST_F(WheelProfileWindowTest, SavedPrizesAreTheNextStartsAndUnsavedOnesLastTheRun) {
    chooseSystem(13);
    openThroughMenu([&] {
        EXPECT_EQ(window().prizes(), OperatorPrizeTable()) << "no prize file yet";
        typeOver("eprize5t", QStringLiteral("1,000,000"));
        typeOver("eprice", QStringLiteral("1.50"));
    });
    EXPECT_FALSE(fs::exists(databaseFile())) << "closing does not save";
    PrizeTable typed = OperatorPrizeTable();
    typed.setAmount(PrizeRank::FivePlusT, 1'000'000'00);
    typed.pricePerBoard = 150;
    openThroughMenu([&] {
        EXPECT_EQ(window().prizes(), typed) << "kept while the program runs";
        EXPECT_EQ(field("eprize5t")->text(), "1,000,000.00");
        EXPECT_EQ(field("eprice")->text(), "1.50");
        press("bsaveprizes");
    });
    EXPECT_TRUE(prompts.shown.empty());
    EXPECT_EQ(KeptPrizes(session.dataFolder), typed);

    // The next start reads them back.
    program.reset();
    startProgram();
    main().show();
    chooseSystem(13);
    openThroughMenu([&] {
        EXPECT_EQ(window().prizes(), typed);
        EXPECT_EQ(field("eprize5t")->text(), "1,000,000.00");
        EXPECT_EQ(textOf("lcost"), "252 lines at " + pounds("1.50") + ": " + pounds("378.00"));
        EXPECT_EQ(textOf("lprizemoney").toStdString(), expectedPrizeMoney(13, 1, typed));

        // The operator's prizes come back with a button, and are saved with the other.
        press("boperatorprizes");
        EXPECT_EQ(window().prizes(), OperatorPrizeTable());
        EXPECT_EQ(field("eprize5t")->text(), "500,000.00");
        EXPECT_EQ(textOf("lprizemoney").toStdString(),
                  expectedPrizeMoney(13, 1, OperatorPrizeTable()));
        press("bsaveprizes");
    });
    EXPECT_EQ(KeptPrizes(session.dataFolder), OperatorPrizeTable());
}

// The prize file of earlier versions, taken in at the first opening.
TEST_F(WheelProfileWindowTest, AnEarlierFileThatCannotBeReadGivesTheOperatorsPrizes) {
    const struct {
        const char* what;
        std::function<void(const std::string& path)> make;
    } cases[] = {
        {"bytes that make no lines",
         [](const std::string& path) { std::ofstream(path, std::ios::binary) << "\x01\xff\x00"; }},
        {"a folder at its name", [](const std::string& path) { fs::create_directory(path); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        program.reset();
        c.make(folder() + kPrizeTableFileName);
        startProgram();
        main().show();
        openThroughMenu([&] {
            EXPECT_EQ(window().prizes(), OperatorPrizeTable());
            EXPECT_EQ(field("eprize5t")->text(), "500,000.00");
        });
        fs::remove_all(folder() + kPrizeTableFileName);
    }
}

TEST_F(WheelProfileWindowTest, ASaveThatFailsSaysSoAndKeepsTheTypedTable) {
    const struct {
        const char* what;
        std::function<void()> provoke;
    } cases[] = {
        {"a folder at the database's name",
         [&] { fs::create_directories(session.dataFolder + kPlayerDatabaseFileName); }},
        {"the data folder below a regular file",
         [&] {
             std::ofstream(folder() + "plain-file") << "x";
             session.dataFolder = folder() + "plain-file/Orvane/";
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        program.reset();
        prompts.shown.clear();
        session.dataFolder = folder() + "data/";
        c.provoke();
        startProgram();
        main().show();
        chooseSystem(14);
        openThroughMenu([&] {
            typeOver("eprice", QStringLiteral("2.50"));
            press("bsaveprizes");
            ASSERT_FALSE(prompts.shown.empty());
            EXPECT_EQ(prompts.shown.back(), SaveFailedPrompt());
            EXPECT_TRUE(window().isVisible());
            EXPECT_EQ(field("eprice")->text(), "2.50");
            EXPECT_EQ(window().prizes().pricePerBoard, 250);
            EXPECT_EQ(textOf("lcost"), "22 lines at " + pounds("2.50") + ": " + pounds("55.00"));
        });
        openThroughMenu([&] { EXPECT_EQ(window().prizes().pricePerBoard, 250); });
        fs::remove_all(folder() + "data");
        fs::remove(folder() + "plain-file");
    }
}

class WheelProfilePrizesAsPlayer : public WheelProfileWindowTest {};

// A shared install: the program folder's prize file, which the player may not write, is taken
// into the player's database and stays as it was; the player's changes go to the database.
TEST_F(WheelProfilePrizesAsPlayer, AProgramFolderThePlayerMayNotWriteKeepsTheFileAsItWas) {
    ORVANE_SKIP_AS_ROOT();
    program.reset();
    PrizeTable saved = OperatorPrizeTable();
    saved.setAmount(PrizeRank::Four, 99'00);
    std::ofstream(folder() + kPrizeTableFileName) << EncodePrizeTable(saved);
    ::chmod((folder() + kPrizeTableFileName).c_str(), 0444);
    session.dataFolder = playerFolder + "data/";
    ::chmod(folder().c_str(), 0500);
    startProgram();
    main().show();
    openThroughMenu([&] {
        EXPECT_EQ(window().prizes(), saved);
        typeOver("eprize4", QStringLiteral("150"));
        press("bsaveprizes");
        EXPECT_TRUE(prompts.shown.empty());
        EXPECT_EQ(window().prizes().amount(PrizeRank::Four), 150'00);
    });
    ::chmod(folder().c_str(), 0700);
    EXPECT_EQ(prizeFileText(), EncodePrizeTable(saved));
    EXPECT_EQ(KeptPrizes(session.dataFolder).amount(PrizeRank::Four), 150'00);
}

} // namespace
} // namespace orvane::test
