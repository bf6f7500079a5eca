#include "common/chart_data.h"

#include <cmath>
#include <cstdio>

namespace orvane {

namespace {

std::string fixed(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

} // namespace

std::string ChartValueText(const ChartData& chart, double value) {
    switch (chart.format) {
    case ChartData::Format::Whole:
        return fixed(value, 0);
    case ChartData::Format::Percent:
        return fixed(value, 1) + "%";
    case ChartData::Format::Pounds:
        return (value < 0 ? "-\u00A3" : "\u00A3") + fixed(std::fabs(value), 2);
    case ChartData::Format::OneIn:
        return value > 0 ? "1 in " + fixed(1.0 / value, 0) : "never";
    }
    return {};
}

std::string ChartTableText(const ChartData& chart) {
    std::string text = chart.title + ".";
    if (chart.empty())
        return text + " No figures yet.";
    for (std::size_t c = 0; c < chart.categories.size(); ++c) {
        text += "\n" + chart.categories[c] + ":";
        for (std::size_t s = 0; s < chart.series.size(); ++s) {
            const std::vector<double>& values = chart.series[s].values;
            text += (s == 0 ? " " : ", ") + chart.series[s].name + " " +
                    (c < values.size() ? ChartValueText(chart, values[c]) : std::string("-"));
        }
        if (c < chart.bandLow.size() && c < chart.bandHigh.size())
            text += ", " + chart.bandCaption + " " + ChartValueText(chart, chart.bandLow[c]) +
                    " to " + ChartValueText(chart, chart.bandHigh[c]);
        if (c < chart.marked.size() && chart.marked[c])
            text += ", " + chart.markedCaption;
    }
    return text;
}

} // namespace orvane
