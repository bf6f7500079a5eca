// The charts beside the wheel profile and the draw history, read as a screen reader and a test
// read them: the series each chart draws against the table of the window it pictures, its text
// alternative, its colours from the window, and "Save as PNG".

#include "common/chart_view.h"
#include "common/prompts.h"
#include "prizes/money_text.h"
#include "prizes/odds_text.h"
#include "prizes/wheel_profile_charts_window.h"
#include "prizes/wheel_profile_window.h"
#include "results/draw_history_charts_window.h"
#include "results/draw_history_window.h"
#include "support/program_fixture.h"

#include <QAccessible>
#include <QAction>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTest>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

namespace orvane::test {
namespace {

using Texts = std::vector<std::string>;

class ChartsWindowTest : public ProgramFixture {
  protected:
    void SetUp() override {
        startProgram();
        main().show();
    }
    void press(QWidget& window, const char* button) {
        QTest::mouseClick(window.findChild<QPushButton*>(QLatin1String(button)), Qt::LeftButton);
    }
    std::string cellOf(QWidget& window, const char* table, int row, int column) {
        const QTableWidgetItem* item =
            window.findChild<QTableWidget*>(QLatin1String(table))->item(row, column);
        return item ? item->text().toStdString() : std::string();
    }
    void open(const char* menuItem, QDialog* window, std::function<void()> inside) {
        EXPECT_TRUE(
            VisitModal([&] { main().findChild<QAction*>(QLatin1String(menuItem))->trigger(); },
                       [window](QWidget& modal) { return &modal == window; },
                       [&](QWidget&) { inside(); }, Accepting));
    }
    // What every chart owes its reader, whatever it draws.
    void expectReadable(ChartView& chart, QWidget& window) {
        QAccessibleInterface* read = QAccessible::queryAccessibleInterface(&chart);
        ASSERT_NE(read, nullptr);
        EXPECT_EQ(read->role(), QAccessible::Chart);
        EXPECT_EQ(read->text(QAccessible::Name).toStdString(), chart.chart().title);
        const std::string table = read->text(QAccessible::Description).toStdString();
        EXPECT_EQ(table, ChartTableText(chart.chart()));
        for (std::size_t c = 0; c < chart.chart().categories.size(); ++c) {
            // Each category on a line of its own, with the value of each series as the chart
            // draws it.
            std::string line = "\n" + chart.chart().categories[c] + ":";
            for (const ChartSeries& series : chart.chart().series)
                line += (&series == &chart.chart().series.front() ? " " : ", ") + series.name +
                        " " + ChartValueText(chart.chart(), series.values[c]);
            EXPECT_NE(table.find(line), std::string::npos) << line;
        }
        // The colours are the window's own, so a dark theme or high contrast carries over.
        EXPECT_EQ(chart.palette().color(QPalette::Base), window.palette().color(QPalette::Base));
        EXPECT_EQ(chart.palette().color(QPalette::Highlight),
                  window.palette().color(QPalette::Highlight));
    }
};

TEST_F(ChartsWindowTest, TheWheelProfileChartsDrawTheFiguresOfItsTables) {
    chooseSystem(14);
    select({ThunderballCell(7)});
    WheelProfileWindow* profile = windows().wheelProfile.get();
    ASSERT_NE(profile, nullptr);
    open("mProfil1", profile, [&] {
        press(*profile, "bcharts");
        ASSERT_NE(profile->charts(), nullptr);
        WheelProfileChartsWindow& charts = *profile->charts();
        EXPECT_TRUE(charts.isVisible());

        // The share columns of the drawn-numbers table: 5 drawn first, held 5, 4, 3, 2.
        const ChartData& best = charts.bestBoard().chart();
        ASSERT_EQ(best.series.size(), 4u);
        ASSERT_EQ(best.categories.size(), 6u);
        for (std::size_t row = 0; row < 6; ++row)
            for (std::size_t held = 0; held < 4; ++held) {
                SCOPED_TRACE(best.categories[row] + ", " + best.series[held].name);
                EXPECT_EQ(SharePercent(best.series[held].values[row] / 100),
                          cellOf(*profile, "tdrawn", 2 + static_cast<int>(row),
                                 4 + static_cast<int>(held)));
            }
        // The "some board wins it" column of the ranks table, 0 + T included.
        const ChartData& prizes = charts.prizes().chart();
        ASSERT_EQ(prizes.categories.size(), static_cast<std::size_t>(kPaidRankCount));
        for (int r = 0; r < kPaidRankCount; ++r) {
            SCOPED_TRACE(prizes.categories[static_cast<std::size_t>(r)]);
            EXPECT_EQ(prizes.categories[static_cast<std::size_t>(r)],
                      cellOf(*profile, "tranks", 1 + r, 0));
            EXPECT_EQ(OneIn(prizes.series[0].values[static_cast<std::size_t>(r)]),
                      cellOf(*profile, "tranks", 1 + r, 2));
        }
        expectReadable(charts.bestBoard(), *profile);
        expectReadable(charts.prizes(), *profile);
    });
    EXPECT_FALSE(profile->charts()->isVisible()) << "closed with the profile";
}

TEST_F(ChartsWindowTest, TheDrawHistoryChartsDrawTheDrawsAndTheirCheck) {
    chooseSystem(7);
    select({2, 5, 9, 14, 18, 22, 27, 33, 39, ThunderballCell(5)});
    DrawHistoryWindow* history = windows().drawHistory.get();
    ASSERT_NE(history, nullptr);
    const std::string path = folder() + "draws.txt";
    std::ofstream(path) << "21/03/2025 2 5 9 14 18 5\n19/03/2025 2 5 9 14 22 6\n"
                           "18/03/2025 2 5 9 30 31 5\n15/03/2025 1 3 4 6 7 5\n"
                           "14/03/2025 1 3 4 6 7 12\n3 9 12 27 33 2\n";
    open("mHistorique1", history, [&] {
        openPath.answer = path;
        press(*history, "bimport");
        press(*history, "bcharts");
        ASSERT_NE(history->charts(), nullptr);
        DrawHistoryChartsWindow& charts = *history->charts();
        EXPECT_TRUE(charts.money().chart().empty()) << "nothing checked yet";

        // How often each number came up, against the numbers of the table's rows.
        QAbstractItemModel* rows =
            history->findChild<QTableView*>(QStringLiteral("tdraws"))->model();
        ASSERT_EQ(rows->rowCount(), 6);
        std::array<int, kMainNumbers> main{};
        std::array<int, kThunderballNumbers> thunderballs{};
        for (int r = 0; r < rows->rowCount(); ++r) {
            std::istringstream numbers(rows->index(r, 1).data().toString().toStdString());
            for (int n; numbers >> n;)
                ++main[static_cast<std::size_t>(n - 1)];
            ++thunderballs[static_cast<std::size_t>(rows->index(r, 2).data().toInt() - 1)];
        }
        for (int n = 1; n <= kMainNumbers; ++n)
            EXPECT_EQ(
                charts.mainNumbers().chart().series[0].values[static_cast<std::size_t>(n - 1)],
                main[static_cast<std::size_t>(n - 1)])
                << n;
        for (int t = 1; t <= kThunderballNumbers; ++t)
            EXPECT_EQ(
                charts.thunderballs().chart().series[0].values[static_cast<std::size_t>(t - 1)],
                thunderballs[static_cast<std::size_t>(t - 1)])
                << t;
        EXPECT_FALSE(charts.findChild<QLabel*>(QStringLiteral("lchance"))->text().isEmpty());

        // After the check: the net so far, oldest first, from each row's money and the cost.
        press(*history, "bcheck");
        const ChartData& money = charts.money().chart();
        ASSERT_EQ(money.categories.size(), 6u);
        const int wonColumn = 3 + kPaidRankCount;
        std::int64_t net = 0;
        for (int i = 0; i < 6; ++i) {
            const int row = 5 - i;
            const std::string won = rows->index(row, wonColumn).data().toString().toStdString();
            net += PenceOfPoundsText(won).value_or(-1) - 126 * 100;
            SCOPED_TRACE(money.categories[static_cast<std::size_t>(i)]);
            EXPECT_EQ(std::llround(money.series[0].values[static_cast<std::size_t>(i)] * 100), net);
            EXPECT_EQ(money.marked[static_cast<std::size_t>(i)], won != "\u00A30.00");
        }
        EXPECT_EQ(history->findChild<QLabel*>(QStringLiteral("lnet"))->text().toStdString(),
                  "Net: " + MoneyText(net));
        for (ChartView* chart : {&charts.money(), &charts.mainNumbers(), &charts.thunderballs()})
            expectReadable(*chart, *history);
    });
}

TEST_F(ChartsWindowTest, SaveAsPngWritesThePictureOrSaysWhyNot) {
    WheelProfileChartsWindow charts(savePath, prompts);
    chooseSystem(14);
    charts.showProfile(ProfileOfSystem(14), OddsOfOneDraw(ProfileOfSystem(14), 1));
    charts.show();
    ChartView& chart = charts.prizes();

    savePath.answer = folder() + "prizes.png";
    chart.SaveAsPng();
    EXPECT_TRUE(prompts.shown.empty());
    const QImage saved(QString::fromStdString(*savePath.answer));
    ASSERT_FALSE(saved.isNull());
    EXPECT_EQ(saved.size(), chart.size() * chart.devicePixelRatioF());
    std::set<QRgb> colours;
    for (int y = 0; y < saved.height(); y += 3)
        for (int x = 0; x < saved.width(); x += 3)
            colours.insert(saved.pixel(x, y));
    EXPECT_GT(colours.size(), 3u) << "a picture, not a blank";

    // A folder where the file should be: the save fails and says so, as every save does.
    std::filesystem::create_directory(folder() + "taken.png");
    savePath.answer = folder() + "taken.png";
    chart.SaveAsPng();
    EXPECT_EQ(prompts.shown, std::vector<Prompt>{SaveFailedPrompt()});

    // Cancelled: nothing written, nothing said.
    prompts.shown.clear();
    savePath.answer.reset();
    chart.SaveAsPng();
    EXPECT_TRUE(prompts.shown.empty());
}

} // namespace
} // namespace orvane::test
