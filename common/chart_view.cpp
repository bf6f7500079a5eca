#include "common/chart_view.h"

#include "common/prompts.h"
#include "common/save_path_dialog.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <limits>

namespace orvane {

namespace {

// The colours of the series, from the palette so a dark theme or high contrast carries over.
constexpr QPalette::ColorRole kSeriesRoles[] = {QPalette::Highlight, QPalette::Link, QPalette::Dark,
                                                QPalette::Mid, QPalette::LinkVisited};

QColor seriesColor(const QPalette& palette, std::size_t series) {
    return palette.color(QPalette::Active, kSeriesRoles[series % std::size(kSeriesRoles)]);
}

// Steps of 1, 2 or 5 times a power of ten, about `wanted` of them across `span`.
double niceStep(double span, int wanted) {
    const double raw = span / std::max(wanted, 1);
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double m : {1.0, 2.0, 5.0})
        if (raw <= m * power)
            return m * power;
    return 10 * power;
}

struct Scale {
    double low = 0;
    double high = 1;
    bool log = false;

    double position(double value) const { // 0 at the bottom, 1 at the top
        if (log) {
            const double v = std::log10(std::max(value, std::pow(10.0, low)));
            return (v - low) / (high - low);
        }
        return (value - low) / (high - low);
    }
};

Scale scaleOf(const ChartData& chart) {
    double low = 0;
    double high = 0;
    double smallest = 1;
    bool any = false;
    const auto take = [&](double v) {
        if (!std::isfinite(v))
            return;
        if (chart.logarithmic && v <= 0)
            return;
        low = any ? std::min(low, v) : v;
        high = any ? std::max(high, v) : v;
        smallest = any ? std::min(smallest, v) : v;
        any = true;
    };
    if (chart.kind == ChartData::Kind::StackedBars) {
        for (std::size_t c = 0; c < chart.categories.size(); ++c) {
            double sum = 0;
            for (const ChartSeries& s : chart.series)
                sum += c < s.values.size() ? s.values[c] : 0;
            take(sum);
        }
    } else {
        for (const ChartSeries& s : chart.series)
            for (const double v : s.values)
                take(v);
    }
    for (const double v : chart.bandLow)
        take(v);
    for (const double v : chart.bandHigh)
        take(v);
    Scale scale;
    if (chart.logarithmic) {
        scale.log = true;
        scale.low = any ? std::floor(std::log10(smallest)) : -1;
        scale.high = any ? std::max(std::ceil(std::log10(high)), scale.low + 1) : 0;
        return scale;
    }
    // Bars stand on zero; a line of money may go below it.
    low = std::min(low, 0.0);
    high = std::max(high, 0.0);
    if (high - low <= 0)
        high = low + 1;
    const double step = niceStep(high - low, 5);
    scale.low = std::floor(low / step) * step;
    scale.high = std::ceil(high / step) * step;
    return scale;
}

QString tickText(const ChartData& chart, double value) {
    if (chart.format == ChartData::Format::OneIn)
        return value >= 1 ? QStringLiteral("1")
                          : QStringLiteral("1 in %L1").arg(1.0 / value, 0, 'f', 0);
    if (chart.format == ChartData::Format::Pounds)
        return (value < 0 ? QStringLiteral("-\u00A3%L1") : QStringLiteral("\u00A3%L1"))
            .arg(std::fabs(value), 0, 'f', 0);
    if (chart.format == ChartData::Format::Percent)
        return QStringLiteral("%1%").arg(value, 0, 'g', 4);
    return QStringLiteral("%L1").arg(value, 0, 'g', 6);
}

std::vector<double> ticksOf(const Scale& scale) {
    std::vector<double> ticks;
    if (scale.log) {
        for (int p = static_cast<int>(scale.low); p <= static_cast<int>(scale.high); ++p)
            ticks.push_back(std::pow(10.0, p));
        return ticks;
    }
    const double step = niceStep(scale.high - scale.low, 5);
    for (double v = scale.low; v <= scale.high + step / 2; v += step)
        ticks.push_back(std::fabs(v) < step / 1e6 ? 0 : v);
    return ticks;
}

void paintChart(QPainter& p, const QRect& area, const ChartData& chart, const QPalette& palette,
                const QFont& font) {
    p.fillRect(area, palette.color(QPalette::Base));
    p.setFont(font);
    const QFontMetrics metrics(font);
    const QColor text = palette.color(QPalette::Text);
    const int line = metrics.height();

    QFont bold = font;
    bold.setBold(true);
    p.setFont(bold);
    p.setPen(text);
    p.drawText(area.adjusted(6, 2, -6, 0), Qt::AlignLeft | Qt::AlignTop,
               QString::fromStdString(chart.title));
    p.setFont(font);
    if (chart.empty()) {
        p.drawText(area, Qt::AlignCenter, QStringLiteral("No figures yet"));
        return;
    }

    // The legend, on the line below the title: a swatch and a name a series, then the band and
    // the mark.
    int x = area.left() + 6;
    const int legendY = area.top() + 2 + line;
    const auto legend = [&](const QColor& color, const QString& name, bool dot) {
        if (dot) {
            p.setBrush(color);
            p.setPen(Qt::NoPen);
            p.drawEllipse(QPoint(x + 5, legendY + line / 2), 3, 3);
        } else {
            p.fillRect(QRect(x, legendY + line / 2 - 4, 10, 8), color);
        }
        p.setPen(text);
        p.drawText(QPoint(x + 14, legendY + metrics.ascent()), name);
        x += 14 + metrics.horizontalAdvance(name) + 12;
    };
    for (std::size_t s = 0; s < chart.series.size(); ++s)
        legend(seriesColor(palette, s), QString::fromStdString(chart.series[s].name), false);
    QColor bandColor = palette.color(QPalette::Mid);
    bandColor.setAlpha(90);
    if (!chart.bandLow.empty())
        legend(bandColor, QString::fromStdString(chart.bandCaption), false);
    const QColor markColor = palette.color(QPalette::Link);
    if (!chart.marked.empty())
        legend(markColor, QString::fromStdString(chart.markedCaption), true);

    const Scale scale = scaleOf(chart);
    const std::vector<double> ticks = ticksOf(scale);
    int tickWidth = 0;
    for (const double t : ticks)
        tickWidth = std::max(tickWidth, metrics.horizontalAdvance(tickText(chart, t)));
    const QRect plot = area.adjusted(tickWidth + 12, 2 * line + 10, -10, -(line + 8));
    if (plot.width() < 20 || plot.height() < 20)
        return;
    const auto yOf = [&](double value) {
        return plot.bottom() - scale.position(value) * plot.height();
    };

    // The value axis: a light line a tick, and its value.
    QColor grid = palette.color(QPalette::Mid);
    grid.setAlpha(70);
    for (const double t : ticks) {
        const double y = yOf(t);
        p.setPen(t == 0 && !scale.log ? text : grid);
        p.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        p.setPen(text);
        p.drawText(QRectF(area.left(), y - line / 2.0, tickWidth + 6, line),
                   Qt::AlignRight | Qt::AlignVCenter, tickText(chart, t));
    }
    p.setPen(text);
    p.drawLine(plot.bottomLeft(), plot.topLeft());

    // The categories along the bottom, as many labels as fit.
    const std::size_t count = chart.categories.size();
    const double slot = static_cast<double>(plot.width()) / static_cast<double>(count);
    // Thousands of draws have labels of one width (dates): some of them, spread out, measure it.
    int widest = 1;
    const std::size_t sampled = std::max<std::size_t>(1, count / 64);
    for (std::size_t c = 0; c < count; c += sampled)
        widest = std::max(widest,
                          metrics.horizontalAdvance(QString::fromStdString(chart.categories[c])));
    const std::size_t every =
        std::max<std::size_t>(1, static_cast<std::size_t>(std::ceil((widest + 6) / slot)));
    for (std::size_t c = 0; c < count; c += every)
        p.drawText(QRectF(plot.left() + slot * static_cast<double>(c) - widest, plot.bottom() + 3,
                          slot + 2 * widest, line),
                   Qt::AlignHCenter | Qt::AlignTop, QString::fromStdString(chart.categories[c]));

    const auto left = [&](std::size_t c) { return plot.left() + slot * static_cast<double>(c); };
    const double barWidth = std::max(1.0, slot * 0.7);
    const double barInset = (slot - barWidth) / 2;

    for (std::size_t c = 0; c < count && c < chart.bandLow.size() && c < chart.bandHigh.size();
         ++c) {
        const double top = yOf(chart.bandHigh[c]);
        p.fillRect(QRectF(left(c), top, slot, yOf(chart.bandLow[c]) - top), bandColor);
    }

    p.setRenderHint(QPainter::Antialiasing, true);
    switch (chart.kind) {
    case ChartData::Kind::Line: {
        // More points than pixels across (thousands of draws): each column of pixels keeps the
        // first, lowest, highest and last of its points, which draws the same line.
        const std::vector<double>& values = chart.series.front().values;
        QPolygonF points;
        QPolygonF marks;
        int column = std::numeric_limits<int>::min();
        int lastMark = std::numeric_limits<int>::min();
        double low = 0;
        double high = 0;
        double last = 0;
        const auto endColumn = [&] {
            if (column == std::numeric_limits<int>::min())
                return;
            points.append(QPointF(column, low));
            points.append(QPointF(column, high));
            points.append(QPointF(column, last));
        };
        for (std::size_t c = 0; c < values.size() && c < count; ++c) {
            const double x = left(c) + slot / 2;
            const double y = yOf(values[c]);
            const int at = static_cast<int>(std::lround(x));
            if (slot >= 1) {
                points.append(QPointF(x, y));
            } else if (at != column) {
                endColumn();
                column = at;
                low = high = last = y;
                points.append(QPointF(at, y));
            } else {
                low = std::min(low, y);
                high = std::max(high, y);
                last = y;
            }
            if (c < chart.marked.size() && chart.marked[c] && (slot >= 1 || at != lastMark)) {
                marks.append(QPointF(x, y));
                lastMark = at;
            }
        }
        if (slot < 1)
            endColumn();
        p.setPen(QPen(seriesColor(palette, 0), 1.6));
        p.drawPolyline(points);
        p.setPen(QPen(markColor, 5, Qt::SolidLine, Qt::RoundCap));
        p.drawPoints(marks);
        break;
    }
    case ChartData::Kind::Bars: {
        const std::vector<double>& values = chart.series.front().values;
        const double base = scale.log ? plot.bottom() : yOf(0);
        for (std::size_t c = 0; c < values.size() && c < count; ++c) {
            const double top = yOf(values[c]);
            p.fillRect(
                QRectF(left(c) + barInset, std::min(top, base), barWidth, std::fabs(base - top)),
                seriesColor(palette, 0));
        }
        break;
    }
    case ChartData::Kind::StackedBars:
        for (std::size_t c = 0; c < count; ++c) {
            double sum = 0;
            for (std::size_t s = 0; s < chart.series.size(); ++s) {
                const std::vector<double>& values = chart.series[s].values;
                const double v = c < values.size() ? values[c] : 0;
                const double bottom = yOf(sum);
                sum += v;
                const double top = yOf(sum);
                p.fillRect(QRectF(left(c) + barInset, top, barWidth, bottom - top),
                           seriesColor(palette, s));
            }
        }
        break;
    }
    p.setRenderHint(QPainter::Antialiasing, false);
}

// What a screen reader is told of a chart: its title as the name, and as the description the table
// it draws, written when asked for, since a chart of thousands of draws makes a long table.
class ChartAccessible final : public QAccessibleWidget {
  public:
    explicit ChartAccessible(ChartView* chart) : QAccessibleWidget(chart, QAccessible::Chart) {}
    QString text(QAccessible::Text t) const override {
        const ChartData& chart = static_cast<const ChartView*>(widget())->chart();
        if (t == QAccessible::Name)
            return QString::fromStdString(chart.title);
        if (t == QAccessible::Description)
            return QString::fromStdString(ChartTableText(chart));
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* chartAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String("orvane::ChartView") && object && object->isWidgetType())
        return new ChartAccessible(static_cast<ChartView*>(object));
    return nullptr;
}

} // namespace

ChartView::ChartView(SavePathDialog& savePath, Prompts& prompts, QWidget* parent)
    : QWidget(parent), m_savePath(savePath), m_prompts(prompts) {
    static const bool installed = [] {
        QAccessible::installFactory(chartAccessible);
        return true;
    }();
    (void)installed;
    setFocusPolicy(Qt::TabFocus);
    setContextMenuPolicy(Qt::DefaultContextMenu);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void ChartView::setChart(ChartData chart) {
    m_chart = std::move(chart);
    setToolTip(QString::fromStdString(m_chart.valueCaption));
    if (QAccessible::isActive()) {
        QAccessibleEvent named(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&named);
        QAccessibleEvent described(this, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&described);
    }
    update();
}

void ChartView::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    paintChart(painter, rect(), m_chart, palette(), font());
}

bool ChartView::saveAsPng(const std::string& path) const {
    const qreal ratio = devicePixelRatioF();
    QImage image(size() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    QPainter painter(&image);
    paintChart(painter, rect(), m_chart, palette(), font());
    painter.end();
    return image.save(QString::fromStdString(path), "PNG");
}

void ChartView::SaveAsPng() {
    const std::optional<std::string> path = m_savePath.askPngPath("Save as PNG", "chart.png");
    if (path && !saveAsPng(*path))
        m_prompts.ask(SaveFailedPrompt());
}

void ChartView::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("mchart"));
    menu.addAction(QStringLiteral("Save as PNG"), this, [this] { SaveAsPng(); });
    menu.exec(event->globalPos());
}

} // namespace orvane
