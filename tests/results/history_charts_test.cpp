// The draw history's charts from the figures they picture: the net so far against the check of
// every draw, the counts of the numbers against the draws, and the fair band against the binomial
// law summed term by term.
#include "results/history_charts.h"

#include "app/session.h"
#include "prizes/operator_prizes.h"
#include "wheels/system_list.h"

#include <gtest/gtest.h>

#include <cmath>

namespace orvane {
namespace {

StoredDraw Dated(int day, int month, int year, std::array<int, 5> main, int thunderball) {
    return MakeStoredDraw(DrawDate{year, month, day}, Draw{main, thunderball});
}

// P(X <= k) for every k, each term from the one before: an independent route to the same law.
std::vector<long double> BinomialCdf(int n, long double p) {
    std::vector<long double> cdf;
    long double term = std::pow(1 - p, static_cast<long double>(n));
    long double sum = 0;
    for (int k = 0; k <= n; ++k) {
        sum += term;
        cdf.push_back(sum);
        term =
            term * static_cast<long double>(n - k) / static_cast<long double>(k + 1) * p / (1 - p);
    }
    return cdf;
}

TEST(FairBand, HoldsTheMiddle95PercentOfTheBinomialLaw) {
    struct Case {
        int trials;
        double p;
    } cases[] = {{1, 5.0 / 39},   {12, 5.0 / 39},   {100, 0.5},
                 {700, 1.0 / 14}, {4000, 5.0 / 39}, {4000, 1.0 / 14}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.trials) + " draws, p " + std::to_string(c.p));
        const CountBand band = FairBand(c.trials, c.p);
        const std::vector<long double> cdf = BinomialCdf(c.trials, c.p);
        const auto below = [&](int k) {
            return k == 0 ? 0.0L : cdf[static_cast<std::size_t>(k - 1)];
        };
        // The low end is the first count whose law reaches 2.5 %, the high end 97.5 %.
        EXPECT_LT(below(band.low), 0.025L);
        EXPECT_GE(cdf[static_cast<std::size_t>(band.low)], 0.025L - 1e-9L);
        EXPECT_LT(below(band.high), 0.975L);
        EXPECT_GE(cdf[static_cast<std::size_t>(band.high)], 0.975L - 1e-9L);
        EXPECT_GE(cdf[static_cast<std::size_t>(band.high)] - below(band.low), 0.95L - 1e-9L);
    }
    const CountBand coin = FairBand(100, 0.5);
    EXPECT_EQ(coin.low, 40);
    EXPECT_EQ(coin.high, 60);
    EXPECT_EQ(FairBand(0, 0.5).high, 0);
}

TEST(NumberCounts, CountsEachNumberAndWhatLiesOutsideTheBand) {
    std::vector<StoredDraw> draws;
    for (int i = 0; i < 200; ++i)
        draws.push_back(MakeStoredDraw(std::nullopt, Draw{{1, 2, 3, 4, 5 + i % 30}, 7}));
    const NumberCounts counts = CountNumbers(draws);
    EXPECT_EQ(counts.draws, 200);
    EXPECT_EQ(counts.main[0], 200);
    EXPECT_EQ(counts.main[4], 7) << "5 in i = 0, 30, 60, ..., 180";
    EXPECT_EQ(counts.main[38], 0);
    EXPECT_EQ(counts.thunderball[6], 200);
    EXPECT_EQ(counts.thunderball[0], 0);
    // Expected 25.6 each: 1 to 4 far above, 35 to 39 at none far below; 5 to 34 at 6 or 7, below.
    EXPECT_EQ(counts.mainBand.low, FairBand(200, 5.0 / 39).low);
    EXPECT_EQ(counts.mainOutside, 39);
    EXPECT_EQ(counts.thunderballOutside, 14) << "7 every time, the others never";

    const ChartData main = MainNumbersChart(counts);
    ASSERT_EQ(main.categories.size(), 39u);
    EXPECT_EQ(main.categories[38], "39");
    EXPECT_EQ(main.series[0].values[0], 200);
    EXPECT_EQ(main.bandHigh[20], counts.mainBand.high);
    EXPECT_EQ(ThunderballsChart(counts).series[0].values[6], 200);
    EXPECT_NE(NumberCountsSentence(counts).find("(here 39 and 14)"), std::string::npos);

    EXPECT_TRUE(MainNumbersChart(CountNumbers({})).empty());
}

TEST(MoneyOverTimeChart, AddsEachDrawsNetOldestFirstAndMarksTheDrawsThatPaid) {
    Session session;
    session.systemList.choose(session.systemList.positionOfSystem(7)); // 126 boards over nine
    for (int n : {2, 5, 9, 14, 18, 22, 27, 33, 39})
        session.grid.setState(n, kSelected);
    session.grid.setState(ThunderballCell(5), kSelected);
    session.run.RebuildPlayOrder(session.grid);
    const std::vector<StoredDraw> draws = {
        Dated(21, 3, 2025, {2, 5, 9, 14, 18}, 5), // newest: all five and the Thunderball
        Dated(15, 3, 2025, {1, 3, 4, 6, 7}, 12),  // nothing
        Dated(12, 3, 2025, {2, 5, 9, 30, 31}, 6), // three marked, not the Thunderball
        MakeStoredDraw(std::nullopt, Draw{{1, 3, 4, 6, 7}, 5}), // none marked, the Thunderball
    };
    const HistoryCheck check = CheckEveryDraw(session.boards(), draws, OperatorPrizeTable());
    const ChartData chart = MoneyOverTimeChart(check);
    ASSERT_EQ(chart.categories.size(), 4u);
    // Oldest first: the history keeps draws without a date after the dated ones.
    EXPECT_EQ(chart.categories,
              (std::vector<std::string>{"no date 1", "12/03/2025", "15/03/2025", "21/03/2025"}));
    const double cost = 126 * 1.00;
    double net = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        const DrawResult& result = check.draws[3 - i];
        net += static_cast<double>(result.won) / 100 - cost;
        EXPECT_DOUBLE_EQ(chart.series[0].values[i], net);
        EXPECT_EQ(chart.marked[i], result.won > 0);
    }
    EXPECT_DOUBLE_EQ(chart.series[0].values.back(), static_cast<double>(check.net()) / 100);
    EXPECT_EQ(chart.marked, (std::vector<bool>{true, true, false, true}))
        << "the Thunderball alone pays, three without it pays, nothing does not";
}

} // namespace
} // namespace orvane
