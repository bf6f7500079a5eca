#pragma once
// What a chart shows, apart from how it is drawn: its categories along the bottom, its series of
// values, and the text a screen reader gives instead of the picture. The rules build it from the
// same figures as the tables beside it, so a test can hold the two against each other.

#include <string>
#include <vector>

namespace orvane {

struct ChartSeries {
    std::string name;
    std::vector<double> values; // one per category
};

struct ChartData {
    enum class Kind {
        Line,        // the first series as a line through the categories; `marked` points stand out
        Bars,        // the first series as one bar a category
        StackedBars, // every series stacked in each category's bar, the first at the bottom
    };
    Kind kind = Kind::Bars;
    std::string title;
    std::string valueCaption; // what the values are, beside the vertical axis
    std::vector<std::string> categories;
    std::vector<ChartSeries> series;
    // A band drawn behind the bars, low to high in each category (empty for none), and what it is.
    std::vector<double> bandLow;
    std::vector<double> bandHigh;
    std::string bandCaption;
    // Categories whose point stands out on a line, and what they are.
    std::vector<bool> marked;
    std::string markedCaption;
    // Values spread over powers of ten (chances from 1 in 10 to 1 in a million): a log scale.
    bool logarithmic = false;
    // How a value reads in the text alternative.
    enum class Format { Whole, Percent, Pounds, OneIn };
    Format format = Format::Whole;

    bool empty() const { return categories.empty() || series.empty(); }
};

// The table the chart draws, as a screen reader gives it: the title, then a line a category with
// each series' value, the band and the mark; "No figures yet." when there is nothing to draw.
std::string ChartTableText(const ChartData& chart);

// One value as the text alternative reads it.
std::string ChartValueText(const ChartData& chart, double value);

} // namespace orvane
