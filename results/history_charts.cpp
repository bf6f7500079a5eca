#include "results/history_charts.h"

#include <algorithm>
#include <cmath>

namespace orvane {

namespace {

double pounds(std::int64_t pence) {
    return static_cast<double>(pence) / 100.0;
}

// P(X <= k) for every k of a binomial law, summed in logarithms so thousands of draws stay exact
// enough.
std::vector<double> cumulative(int trials, double p) {
    std::vector<double> cdf(static_cast<std::size_t>(trials) + 1);
    double sum = 0;
    for (int k = 0; k <= trials; ++k) {
        const double logPmf = std::lgamma(trials + 1.0) - std::lgamma(k + 1.0) -
                              std::lgamma(trials - k + 1.0) + k * std::log(p) +
                              (trials - k) * std::log1p(-p);
        sum += std::exp(logPmf);
        cdf[static_cast<std::size_t>(k)] = sum;
    }
    return cdf;
}

ChartData nothingYet(const char* title) {
    ChartData chart;
    chart.title = title;
    return chart;
}

ChartData countsChart(const char* title, const int* counts, int numbers, CountBand band,
                      const char* what) {
    ChartData chart;
    chart.kind = ChartData::Kind::Bars;
    chart.title = title;
    chart.valueCaption = "draws";
    chart.format = ChartData::Format::Whole;
    ChartSeries series{what, {}};
    for (int n = 1; n <= numbers; ++n) {
        chart.categories.push_back(std::to_string(n));
        series.values.push_back(counts[n - 1]);
        chart.bandLow.push_back(band.low);
        chart.bandHigh.push_back(band.high);
    }
    chart.series.push_back(std::move(series));
    chart.bandCaption = "a fair draw, 95 times in 100";
    return chart;
}

} // namespace

ChartData MoneyOverTimeChart(const HistoryCheck& check) {
    ChartData chart;
    chart.kind = ChartData::Kind::Line;
    chart.title = "Net so far, draw after draw (oldest first)";
    chart.valueCaption = "winnings less cost, in pounds";
    chart.format = ChartData::Format::Pounds;
    chart.markedCaption = "a draw that paid";
    ChartSeries net{"net so far", {}};
    const std::int64_t costPerDraw =
        static_cast<std::int64_t>(check.linesPerDraw) * check.prizes.pricePerBoard;
    std::int64_t sum = 0;
    int undated = 0;
    // The history is newest first; the chart reads left to right in time.
    for (auto it = check.draws.rbegin(); it != check.draws.rend(); ++it) {
        sum += it->won - costPerDraw;
        net.values.push_back(pounds(sum));
        chart.categories.push_back(it->draw.date ? DateText(it->draw.date)
                                                 : "no date " + std::to_string(++undated));
        chart.marked.push_back(it->won > 0);
    }
    chart.series.push_back(std::move(net));
    return chart;
}

CountBand FairBand(int trials, double p) {
    if (trials <= 0)
        return {};
    const std::vector<double> cdf = cumulative(trials, p);
    CountBand band;
    band.low = static_cast<int>(std::lower_bound(cdf.begin(), cdf.end(), 0.025) - cdf.begin());
    band.high = static_cast<int>(std::lower_bound(cdf.begin(), cdf.end(), 0.975) - cdf.begin());
    band.high = std::min(band.high, trials);
    return band;
}

NumberCounts CountNumbers(const std::vector<StoredDraw>& draws) {
    NumberCounts counts;
    counts.draws = static_cast<int>(draws.size());
    for (const StoredDraw& stored : draws) {
        for (const int n : stored.draw.main)
            if (n >= 1 && n <= kMainNumbers)
                ++counts.main[static_cast<std::size_t>(n - 1)];
        const int t = stored.draw.thunderball;
        if (t >= 1 && t <= kThunderballNumbers)
            ++counts.thunderball[static_cast<std::size_t>(t - 1)];
    }
    counts.mainBand = FairBand(counts.draws, static_cast<double>(kDrawnMainNumbers) / kMainNumbers);
    counts.thunderballBand = FairBand(counts.draws, 1.0 / kThunderballNumbers);
    const auto outside = [](int count, CountBand band) {
        return count < band.low || count > band.high;
    };
    for (const int c : counts.main)
        counts.mainOutside += outside(c, counts.mainBand);
    for (const int c : counts.thunderball)
        counts.thunderballOutside += outside(c, counts.thunderballBand);
    return counts;
}

ChartData MainNumbersChart(const NumberCounts& counts) {
    if (counts.draws == 0)
        return nothingYet("How often each main number came up");
    return countsChart(("How often each main number came up, in " + std::to_string(counts.draws) +
                        (counts.draws == 1 ? " draw" : " draws"))
                           .c_str(),
                       counts.main.data(), kMainNumbers, counts.mainBand, "draws holding it");
}

ChartData ThunderballsChart(const NumberCounts& counts) {
    if (counts.draws == 0)
        return nothingYet("How often each Thunderball came up");
    return countsChart(("How often each Thunderball came up, in " + std::to_string(counts.draws) +
                        (counts.draws == 1 ? " draw" : " draws"))
                           .c_str(),
                       counts.thunderball.data(), kThunderballNumbers, counts.thunderballBand,
                       "draws with it");
}

std::string NumberCountsSentence(const NumberCounts& counts) {
    if (counts.draws == 0)
        return "Import draws to see how often each number came up.";
    return "In a fair draw every number stays inside the grey band 95 times in 100, so a few of "
           "the 39 main numbers and the 14 Thunderballs fall outside it by chance alone (here " +
           std::to_string(counts.mainOutside) + " and " +
           std::to_string(counts.thunderballOutside) +
           "): a number that came up often but stays inside the band is only luck.";
}

} // namespace orvane
