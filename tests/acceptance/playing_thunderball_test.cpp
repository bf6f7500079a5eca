// A player's evening with Orvane, played through the real windows from a fresh program folder:
// marking numbers, choosing a wheel, looking at its boards, listing them, printing them onto
// tickets through the system's printer, checking them against a draw, keeping the game in a file
// and the printer adjustment for the next start.
#include "app/main_window.h"
#include "app/program.h"
#include "expected_boards.h"
#include "player.h"
#include "support/printed_pages.h"
#include "support/private_cups_scheduler.h"
#include "support/qt_text_printing.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMainWindow>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

namespace orvane::test {
namespace {

const QString kEightNumbers =
    QStringLiteral(" 8 numbers  in   5 boards :4 if 5 numbers  on the draw");
const QString kSevenWithOneFixed = QStringLiteral(
    " (F) 7 numbers (1 fixe ) in  15 boards :5 if 5 numbers  (including fixes) on the draw");

constexpr int kBoardsPerTicket = 6;

// The eight prize-rank counters of the comparison window, best rank first.
constexpr const char* kRankCounters[] = {"lnb5t", "lnb5", "lnb4t", "lnb4",
                                         "lnb3t", "lnb3", "lnb2t", "lnb1t"};

class PlayingThunderball : public ::testing::Test {
  protected:
    using Command = std::function<void()>;

    void SetUp() override {
        if (!m_scheduler.start())
            GTEST_SKIP() << "the private CUPS scheduler cannot start here: "
                         << m_scheduler.failure().toStdString();
        ASSERT_TRUE(m_scheduler.addDefaultPdfPrinter(QStringLiteral("Tickets"),
                                                     QStringLiteral("printed.pdf")))
            << m_scheduler.failure().toStdString();
        ASSERT_TRUE(m_programFolder.isValid() && m_home.isValid());
        // The player starts Orvane from their home folder, where the file chooser opens.
        m_startedIn = QDir::currentPath();
        QDir::setCurrent(m_home.path());
    }

    void TearDown() override {
        while (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
        m_player.reset();
        m_program.reset();
        if (!m_startedIn.isEmpty())
            QDir::setCurrent(m_startedIn);
    }

    void startProgram() {
        m_player.reset();
        m_program.reset();
        m_program = std::make_unique<Program>(m_programFolder.path().toStdString() + "/");
        m_program->show();
        m_player.emplace(main());
    }

    QMainWindow& main() { return *m_program->windows().main; }
    Player& player() { return *m_player; }
    QFileInfo parametersFile() const {
        return QFileInfo(m_programFolder.filePath(QStringLiteral("ORVANE.PAR")));
    }

    // The two ways to every command: a button of the main window or an item of its menus.
    Command button(const char* name) {
        return [this, name] { player().press(name); };
    }
    Command menuItem(const char* menu, const char* item) {
        return [this, menu, item] {
            player().chooseMenuItem(QLatin1String(menu), QLatin1String(item));
        };
    }

    void stepThroughEveryBoard(const Command& open, const QString& description,
                               const std::vector<ExpectedBoard>& boards) {
        bool seen = false;
        Player::whenWindowOpens("TForm2", [&](QWidget* view) {
            seen = true;
            EXPECT_EQ(Player::labelIn(view, "ltitmet"), description);
            const QString count = QString::number(boards.size());
            for (std::size_t k = 1; k <= boards.size(); ++k) {
                SCOPED_TRACE(::testing::Message() << "board " << k);
                EXPECT_EQ(Player::labelIn(view, "lnubul"), QString::number(k));
                EXPECT_EQ(Player::labelIn(view, "Lnumax"), count);
                EXPECT_EQ(Player::numbersShownIn(view), boards[k - 1].mainNumbers);
                EXPECT_EQ(Player::thunderballsShownIn(view), boards[k - 1].thunderballs);
                Player::pressIn(view, "BitBtn4");
            }
            // "Next board" stops at the last one.
            EXPECT_EQ(Player::labelIn(view, "lnubul"), count);
            Player::pressIn(view, "BitBtn1");
        });
        open();
        EXPECT_TRUE(seen);
    }

    void expectTheList(const Command& open, const std::vector<ExpectedBoard>& boards) {
        QStringList expected;
        for (std::size_t k = 1; k <= boards.size(); ++k)
            expected << ListLine(static_cast<int>(k), boards[k - 1]);
        QStringList shown;
        Player::whenWindowOpens("TForm5", [&](QWidget* list) {
            shown = Player::linesIn(list, "listbull");
            Player::pressIn(list, "BitBtn1");
        });
        open();
        EXPECT_EQ(shown, expected);
    }

    // Prints every board of the chosen system onto tickets and returns the printed sheets. Fed
    // one ticket at a time, the player takes each ticket out of the printer before putting in the
    // next, so it must have come out by then.
    std::vector<QImage> printEveryTicket(const Command& open, int boardCount,
                                         bool stopAfterEachTicket) {
        std::vector<QImage> sheets;
        const auto takeOutWhatWasPrinted = [this, &sheets] {
            EXPECT_TRUE(QTest::qWaitFor([this] { return m_scheduler.allJobsDone(); }, 60000))
                << "the printer never finished\n"
                << m_scheduler.log().toStdString();
            for (const QImage& sheet :
                 RasterizePdf(m_scheduler.path(QStringLiteral("printed.pdf"))))
                sheets.push_back(sheet);
        };
        Player::whenWindowOpens("TForm7", [&](QWidget* options) {
            EXPECT_EQ(Player::fieldIn(options, "Gpremier"), QStringLiteral("1"));
            EXPECT_EQ(Player::fieldIn(options, "gdernier"), QString::number(boardCount));
            std::function<void()> askedForTickets;
            if (stopAfterEachTicket) {
                QTest::mouseClick(options->findChild<QWidget*>(QStringLiteral("bimpunbull")),
                                  Qt::LeftButton);
                const int tickets = (boardCount + kBoardsPerTicket - 1) / kBoardsPerTicket;
                askedForTickets = [tickets, &takeOutWhatWasPrinted] {
                    Player::whenMessagesOpen(
                        QStringLiteral("Please insert next ticket and press OK"), tickets - 1,
                        takeOutWhatWasPrinted);
                };
            }
            // The queue's page starts 0.635 cm from the paper's left edge, right of column 1's
            // bars at 0.5 cm: Orvane names the marks it cannot reach, and the player prints all
            // the same (this queue keeps what is drawn in its margin).
            Player::whenMessageStartingWithOpens(
                QStringLiteral("The printer cannot reach every mark"), askedForTickets);
            Player::pressIn(options, "boutlancer");
        });
        open();
        takeOutWhatWasPrinted();
        return sheets;
    }

    // Every box of every board on the sheets: a bar where the board has the number, paper
    // elsewhere, six boards a ticket and nothing below the last board.
    static void expectOnPaper(const std::vector<QImage>& sheets,
                              const std::vector<ExpectedBoard>& boards) {
        const std::size_t tickets = (boards.size() + kBoardsPerTicket - 1) / kBoardsPerTicket;
        ASSERT_EQ(sheets.size(), tickets);
        for (std::size_t place = 0; place < tickets * kBoardsPerTicket; ++place) {
            const QImage& sheet = sheets[place / kBoardsPerTicket];
            const int slot = static_cast<int>(place % kBoardsPerTicket) + 1;
            const std::optional<ExpectedBoard> board =
                place < boards.size() ? std::optional(boards[place]) : std::nullopt;
            SCOPED_TRACE(::testing::Message()
                         << "ticket " << place / kBoardsPerTicket + 1 << ", board place " << slot);
            const auto expectBox = [&sheet](const std::string& mark, TicketBox box, bool marked) {
                if (marked)
                    ExpectBar(sheet, mark.c_str(), box.x, box.y);
                else
                    ExpectNoBar(sheet, mark.c_str(), box.x, box.y);
            };
            for (int m = 1; m <= 39; ++m)
                expectBox("main number " + std::to_string(m), MainNumberBox(m, slot),
                          board && board->mainNumbers.count(m));
            for (int t = 1; t <= 14; ++t)
                expectBox("Thunderball " + std::to_string(t), ThunderballBox(t, slot),
                          board && board->thunderballs.count(t));
        }
    }

    // Enters the draw, runs the comparison and returns the prize-rank counters, best first,
    // and the result lines.
    std::pair<QStringList, QStringList> compareWithDraw(const Command& open,
                                                        const QStringList& mainNumbers,
                                                        const QString& thunderball) {
        QStringList counters, lines;
        Player::whenWindowOpens("TForm8", [&](QWidget* results) {
            for (int i = 0; i < mainNumbers.size(); ++i)
                Player::pickIn(results, ("ComboBox" + std::to_string(i + 1)).c_str(),
                               mainNumbers[i]);
            Player::pickIn(results, "ComboBox9", thunderball);
            Player::pressIn(results, "button1");
            for (const char* counter : kRankCounters)
                counters << Player::labelIn(results, counter);
            lines = Player::linesIn(results, "listresul");
            Player::pressIn(results, "BitBtn1");
        });
        open();
        return {counters, lines};
    }

    void saveGameAs(const QString& name) {
        Player::whenWindowOpens("TForm6", [&](QWidget* chooser) {
            Player::typeIn(chooser, "Edit1", name);
            Player::pressIn(chooser, "boutok");
        });
        player().chooseMenuItem(QStringLiteral("Files"), QStringLiteral("Save game"));
        EXPECT_EQ(QFileInfo(m_home.filePath(name)).size(), 292) << "the game file";
    }

    void loadGame(const QString& name) {
        Player::whenWindowOpens("TForm6", [&](QWidget* chooser) {
            Player::clickLineIn(chooser, "FileListBox1", name);
            Player::pressIn(chooser, "boutok");
        });
        player().chooseMenuItem(QStringLiteral("Files"), QStringLiteral("Load game"));
    }

    // The two printer adjustments as the parameters window shows them, after typing `typed`
    // into one of them (when given) and pressing OK.
    std::pair<QString, QString> parameters(const char* box = nullptr,
                                           const QString& typed = QString()) {
        std::pair<QString, QString> shown;
        Player::whenWindowOpens("TForm9", [&](QWidget* window) {
            shown = {Player::fieldIn(window, "edech"), Player::fieldIn(window, "edecv")};
            if (box)
                Player::typeIn(window, box, typed);
            Player::pressIn(window, "bok");
        });
        player().chooseMenuItem(QStringLiteral("Options"), QStringLiteral("Parameters"));
        return shown;
    }

    QString counters() {
        return player().label("nbcoch") + " " + player().label("labnbFix") + " " +
               player().label("lnbcochb");
    }

  private:
    PrivateCupsScheduler m_scheduler{g_schedulerFolder};
    QTemporaryDir m_programFolder;
    QTemporaryDir m_home; // the player's own folder, where games are kept
    QString m_startedIn;
    std::unique_ptr<Program> m_program;
    std::optional<Player> m_player;
};

TEST_F(PlayingThunderball, EightNumbersWheeledInFiveBoardsThroughTheButtons) {
    // A first start: no parameters file yet, so the adjustments are zero.
    ASSERT_FALSE(parametersFile().exists());
    startProgram();
    EXPECT_EQ(counters(), QStringLiteral("0 0 0"));

    // Eight numbers and a Thunderball, marked in no particular order.
    for (int n : {27, 4, 38, 15, 9, 36, 22, 31})
        player().markNumber(n);
    player().markThunderball(11);
    EXPECT_EQ(counters(), QStringLiteral("8 0 1"));
    player().chooseSystem(kEightNumbers);

    const std::vector<ExpectedBoard> boards =
        BoardsOfSystem(1, {}, {4, 9, 15, 22, 27, 31, 36, 38}, {11});
    ASSERT_EQ(boards.size(), 5u);
    stepThroughEveryBoard(button("bvoirbulletin"), kEightNumbers, boards);
    expectTheList(button("bimplistbull"), boards);
    expectOnPaper(printEveryTicket(button("bimpbull"), 5, false), boards);

    // Drawn: 9 22 27 31 38 and Thunderball 11, board 5 exactly. Boards 1 and 4 hold four of the
    // numbers, board 3 three, board 2 two, and every board carries the Thunderball.
    const auto [ranks, lines] =
        compareWithDraw(button("bcomparer"),
                        {QStringLiteral("38"), QStringLiteral("9"), QStringLiteral("31"),
                         QStringLiteral("22"), QStringLiteral("27")},
                        QStringLiteral("11"));
    EXPECT_EQ(ranks, QStringList({"1", "0", "2", "0", "1", "0", "1", "0"}));
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines[4], QStringLiteral("005 : MB:-09-22-27-31-38 T:-11 -> MB:5 T: 1"));

    // The game goes into a file, the grid is cleared and another system chosen, and the file
    // brings both back.
    saveGameAs(QStringLiteral("saturday"));
    player().press("beffacer");
    EXPECT_EQ(counters(), QStringLiteral("0 0 0"));
    player().chooseSystem(kSevenWithOneFixed);
    loadGame(QStringLiteral("saturday"));
    EXPECT_EQ(player().markedNumbers(), std::set<int>({4, 9, 15, 22, 27, 31, 36, 38}));
    EXPECT_TRUE(player().fixedNumbers().empty());
    EXPECT_EQ(player().markedThunderballs(), std::set<int>({11}));
    EXPECT_EQ(counters(), QStringLiteral("8 0 1"));
    EXPECT_TRUE(player().chosenSystem().startsWith(kEightNumbers));

    // The tickets come out 12 mm too far left: the adjustment is set, and Quit keeps it.
    EXPECT_EQ(parameters("edech", QStringLiteral("12")), std::pair(QString("0"), QString("0")));
    player().press("bquitter");
    EXPECT_FALSE(main().isVisible());
    EXPECT_EQ(parametersFile().size(), 20);

    startProgram();
    EXPECT_EQ(parameters(), std::pair(QString("12"), QString("0")));
    EXPECT_EQ(counters(), QStringLiteral("0 0 0")) << "a new start begins with an empty grid";
}

TEST_F(PlayingThunderball, OneFixedNumberAndTwoThunderballsThroughTheMenus) {
    ASSERT_FALSE(parametersFile().exists());
    startProgram();

    // 3 is fixed on every board; six more numbers and two Thunderballs.
    player().fixNumber(3);
    for (int n : {38, 7, 25, 12, 33, 19})
        player().markNumber(n);
    player().markThunderball(9);
    player().markThunderball(5);
    EXPECT_EQ(counters(), QStringLiteral("7 1 2")) << "the fixed number counts as marked too";
    player().chooseSystem(kSevenWithOneFixed);

    const std::vector<ExpectedBoard> boards =
        BoardsOfSystem(8, {3}, {7, 12, 19, 25, 33, 38}, {5, 9});
    ASSERT_EQ(boards.size(), 15u);
    for (const ExpectedBoard& board : boards)
        ASSERT_TRUE(board.mainNumbers.count(3)) << "the fixed number is on every board";
    stepThroughEveryBoard(menuItem("Utilize", "View the boards"), kSevenWithOneFixed, boards);
    expectTheList(menuItem("Utilize", "List of boards"), boards);
    // Three tickets, fed one at a time.
    expectOnPaper(printEveryTicket(menuItem("Utilize", "Print the tickets"), 15, true), boards);

    // Drawn: 3 7 12 19 25 and Thunderball 5. One board holds all five; eight hold the fixed 3
    // and three of the others, six the fixed 3 and two of the others. Every board carries both
    // Thunderballs, so each also wins once more without the Thunderball.
    const auto [ranks, lines] =
        compareWithDraw(menuItem("Utilize", "Compare with the results"),
                        {QStringLiteral("3"), QStringLiteral("7"), QStringLiteral("12"),
                         QStringLiteral("19"), QStringLiteral("25")},
                        QStringLiteral("5"));
    EXPECT_EQ(ranks, QStringList({"1", "1", "8", "8", "6", "6", "0", "0"}));
    ASSERT_EQ(lines.size(), 15);
    EXPECT_EQ(lines[0],
              QStringLiteral("001 : MB:-03-07-12-19-25 T:-5-9 -> MB:5 T: 1 + 1 fois MB:5 T:0"));

    saveGameAs(QStringLiteral("wednesday"));
    player().press("beffacer");
    player().chooseSystem(kEightNumbers);
    loadGame(QStringLiteral("wednesday"));
    EXPECT_EQ(player().fixedNumbers(), std::set<int>({3}));
    EXPECT_EQ(player().markedNumbers(), std::set<int>({7, 12, 19, 25, 33, 38}));
    EXPECT_EQ(player().markedThunderballs(), std::set<int>({5, 9}));
    EXPECT_EQ(counters(), QStringLiteral("7 1 2"));
    EXPECT_TRUE(player().chosenSystem().startsWith(kSevenWithOneFixed));

    // The marks sit a little high on this printer: 3 mm down, then Quit from the menu.
    EXPECT_EQ(parameters("edecv", QStringLiteral("3")), std::pair(QString("0"), QString("0")));
    player().chooseMenuItem(QStringLiteral("Files"), QStringLiteral("Quit"));
    EXPECT_FALSE(main().isVisible());

    startProgram();
    EXPECT_EQ(parameters(), std::pair(QString("0"), QString("3")));
}

} // namespace
} // namespace orvane::test
