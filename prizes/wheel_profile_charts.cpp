#include "prizes/wheel_profile_charts.h"

namespace orvane {

namespace {

// The counts the best board may hold that the table shows, most first.
constexpr int kHeldShown[] = {5, 4, 3, 2};

const char* const kRankNames[kPaidRankCount] = {"5 + T", "5",     "4 + T", "4",    "3 + T",
                                                "3",     "2 + T", "1 + T", "0 + T"};

} // namespace

const char* PrizeRankName(PrizeRank rank) {
    return kRankNames[RankIndex(rank)];
}

ChartData BestBoardChart(const WheelProfile& profile) {
    ChartData chart;
    chart.kind = ChartData::Kind::StackedBars;
    chart.title = "What the best board holds, by how many drawn numbers are among yours";
    chart.valueCaption = "share of the cases, in percent";
    chart.format = ChartData::Format::Percent;
    for (int j = kDrawnMainNumbers; j >= 0; --j)
        chart.categories.push_back(std::to_string(j) + " drawn");
    // The part at the bottom is the best outcome, so the bars read as "at least" from the base up.
    for (const int held : kHeldShown) {
        ChartSeries series{"holds " + std::to_string(held), {}};
        for (int j = kDrawnMainNumbers; j >= 0; --j)
            series.values.push_back(
                100.0 * profile.byDrawn[static_cast<std::size_t>(j)].shareBestHolds(held));
        chart.series.push_back(std::move(series));
    }
    return chart;
}

ChartData PrizeChancesChart(const DrawOdds& odds) {
    ChartData chart;
    chart.kind = ChartData::Kind::Bars;
    chart.title = "The chance that some board wins each prize in one draw";
    chart.valueCaption = "chance in one draw, log scale";
    chart.format = ChartData::Format::OneIn;
    chart.logarithmic = true;
    ChartSeries chance{"some board wins it", {}};
    for (const PrizeRank rank : kPaidRanks) {
        chart.categories.push_back(PrizeRankName(rank));
        chance.values.push_back(odds.chanceWon(rank));
    }
    chart.series.push_back(std::move(chance));
    return chart;
}

} // namespace orvane
