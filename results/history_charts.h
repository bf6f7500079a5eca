#pragma once
// The pictures of the draw history: what the boards would have spent and won draw after draw, and
// how often each number came up in the draws kept, against the band a fair draw stays inside.

#include "common/chart_data.h"
#include "results/draw_history_check.h"

#include <array>
#include <string>
#include <vector>

namespace orvane {

// The net so far (winnings less cost, in pounds) after each draw checked, oldest first; the draws
// that paid anything are marked.
ChartData MoneyOverTimeChart(const HistoryCheck& check);

// The counts a number may come up in `trials` draws, each time with the chance `p`, that a fair
// draw stays inside 95 times in 100: from the 2.5 % point to the 97.5 % point of the binomial law.
struct CountBand {
    int low = 0;
    int high = 0;
};
CountBand FairBand(int trials, double p);

struct NumberCounts {
    int draws = 0;
    std::array<int, kMainNumbers> main{};               // [n - 1]: draws holding main number n
    std::array<int, kThunderballNumbers> thunderball{}; // [t - 1]: draws with Thunderball t
    CountBand mainBand;
    CountBand thunderballBand;
    int mainOutside = 0; // numbers whose count lies outside the band
    int thunderballOutside = 0;
};
NumberCounts CountNumbers(const std::vector<StoredDraw>& draws);

ChartData MainNumbersChart(const NumberCounts& counts);
ChartData ThunderballsChart(const NumberCounts& counts);
// The plain sentence under the two charts.
std::string NumberCountsSentence(const NumberCounts& counts);

} // namespace orvane
