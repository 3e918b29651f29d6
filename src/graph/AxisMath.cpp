// Default axis ranges, time label step and time-unit conversion.
#include "graph/AxisMath.h"

#include "graph/TimeUnits.h"
#include "settings/NumberFormat.h"

#include <algorithm>
#include <cmath>

namespace vorn::graph {

namespace {

using numfmt::formatFixed2;

// Texts the edits get with a fresh view: the four value limits, "0" and the
// whole number nearest to the time end + 0.2.
RangeEditTexts freshEditTexts(const DefaultRanges &d, double m)
{
    return {formatFixed2(d.fmin), formatFixed2(d.fmax), formatFixed2(d.amin),
            formatFixed2(d.amax), QStringLiteral("0"), numfmt::formatInt(qint64(Nearest(m + 0.2)))};
}

GraphView viewWith(const DefaultRanges &d, const AxisRange &right, double m)
{
    GraphView view;
    view.defaults = d;
    view.left = {d.fmin, d.fmax};
    view.right = right;
    view.bottom = {0, m};
    view.timeStep = timeLabelStep(view.bottom);
    view.edits = freshEditTexts(d, m);
    return view;
}

} // namespace

SeriesExtent seriesExtent(std::span<const QPointF> points)
{
    if (points.empty())
        return {};
    SeriesExtent e{points.front().y(), points.front().y(), points.front().x()};
    for (const QPointF &p : points) {
        e.minY = std::min(e.minY, p.y());
        e.maxY = std::max(e.maxY, p.y());
        e.maxX = std::max(e.maxX, p.x());
    }
    return e;
}

double Nearest(double x)
{
    // std::round takes halves away from zero; an exact half goes to the even
    // neighbour instead, which is twice the rounded half of x.
    if (std::fabs(x - std::trunc(x)) == 0.5)
        return 2.0 * std::round(x / 2.0);
    return std::round(x);
}

DefaultRanges defaultRanges(const ChartExtents &chart)
{
    DefaultRanges d;
    d.fmin = std::trunc(chart.Series1.minY);
    d.fmax = Nearest(chart.Series1.maxY + 0.51);
    d.amin = std::trunc(chart.Series2.minY);
    d.amax = Nearest(chart.Series2.maxY + 0.51);
    if (chart.Series3.maxY > d.fmax)
        d.fmax = Nearest(chart.Series3.maxY);
    if (chart.Series4.minY < d.fmin)
        d.fmin = Nearest(chart.Series4.minY);
    d.fmin = std::min(d.fmin, 10.0);
    return d;
}

double timeLabelStep(const AxisRange &bottom)
{
    const double d = bottom.max - bottom.min;
    if (d < 0.5)
        return 0.01;
    if (d < 5)
        return 0.1;
    return 1;
}

GraphView newGraphView(const ChartExtents &chart)
{
    const DefaultRanges d = defaultRanges(chart);
    return viewWith(d, {d.amin, d.amax}, chart.Series1.maxX + 0.2);
}

GraphView defaultSizeView(const ChartExtents &chart)
{
    const DefaultRanges d = defaultRanges(chart);
    const double maxX = std::max({chart.Series1.maxX, chart.Series2.maxX, chart.Series3.maxX,
                                  chart.Series4.maxX});
    return viewWith(d, {d.amin - 1, d.amax + 1}, maxX + 0.2);
}

BottomRangeChange convertBottomRange(const AxisRange &bottom, int fromUnit, int toUnit)
{
    const auto from = timeUnitDivisor(fromUnit);
    const auto to = timeUnitDivisor(toUnit);
    if (!from || !to || *from == *to)
        return {bottom, false};
    // Multiply or divide by the whole ratio (60 or 3600) rather than by a
    // fraction of it, so that a round trip gives the numbers back.
    if (*from > *to) {
        const double ratio = double(*from / *to);
        return {{bottom.min * ratio, bottom.max * ratio}, true};
    }
    const double ratio = double(*to / *from);
    return {{bottom.min / ratio, bottom.max / ratio}, false};
}

} // namespace vorn::graph
