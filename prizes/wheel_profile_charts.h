#pragma once
// The pictures of the wheel profile: for each count of drawn numbers among the marked ones, how
// often the best board holds 5, 4, 3 and 2 of them; and the chance of each prize rank in one draw.

#include "common/chart_data.h"
#include "prizes/draw_odds.h"
#include "wheels/wheel_profile.h"

namespace orvane {

// A stacked bar a count of drawn numbers among the marked ones (5 first, as the table's rows),
// each part the share of cases, in percent, in which the best board holds 5, 4, 3 or 2.
ChartData BestBoardChart(const WheelProfile& profile);

// The chance that some board wins each prize rank in one draw, 5 + T to 0 + T, on a log scale.
ChartData PrizeChancesChart(const DrawOdds& odds);

// "5 + T", "5", ... "1 + T", "0 + T".
const char* PrizeRankName(PrizeRank rank);

} // namespace orvane
