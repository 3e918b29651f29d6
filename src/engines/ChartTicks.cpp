// Choosing axis label steps that never let labels overlap.
#include "ChartTicks.h"

#include "ChartAxis.h"

#include <algorithm>
#include <cmath>

namespace vorn::chart {

namespace {

constexpr double kTickEpsilon = 1e-9; // share of a step that counts as on it
constexpr double kMinSpacingPx = 4.0;  // never try labels closer than this
constexpr int kMaxStepTries = 200;

// The largest number 1, 2 or 5 times a power of ten not above value.
double niceFloor(double value)
{
    const double power = std::pow(10.0, std::floor(std::log10(value)));
    for (double factor : {5.0, 2.0, 1.0}) {
        if (factor * power <= value)
            return factor * power;
    }
    return power;
}

// Next factor of the series 1, 2, 5, 10, 20, 50, ...
double nextFactor(double factor)
{
    const double power = std::pow(10.0, std::floor(std::log10(factor) + 1e-12));
    const double lead = std::round(factor / power);
    if (lead < 2.0)
        return 2.0 * power;
    if (lead < 5.0)
        return 5.0 * power;
    return 10.0 * power;
}

// Whole multiples of `step` within [low, high], as the first and last k.
std::pair<double, double> multiplesWithin(double low, double high, double step)
{
    return {std::ceil(low / step - kTickEpsilon), std::floor(high / step + kTickEpsilon)};
}

double tickValue(double k, double step)
{
    const double value = k * step;
    return std::fabs(value) < step * kTickEpsilon ? 0.0 : value;
}

// Labels at the multiples of `step`, with texts and widths.
std::vector<AxisTick> ticksForStep(const ChartAxis &axis, const AxisMapping &map, double low, double high,
                                   double step, const QFontMetricsF &metrics)
{
    std::vector<AxisTick> ticks;
    const auto [first, last] = multiplesWithin(low, high, step);
    const ChartNumberFormat format = axis.labelFormat();
    for (double k = first; k <= last; k += 1.0) {
        AxisTick tick;
        tick.value = tickValue(k, step);
        tick.pixel = map.toPixel(tick.value);
        tick.text = format.format(tick.value);
        tick.width = metrics.horizontalAdvance(tick.text);
        ticks.push_back(std::move(tick));
    }
    return ticks;
}

// Whether labels `spacing` pixels apart leave room between them. One pixel
// of slack: label pixels are rounded, so the spacing varies by one.
bool roomFor(double spacing, double extent, bool vertical)
{
    return spacing - 1.0 >= extent + (vertical ? kVerticalLabelGap : kHorizontalLabelGap);
}

// Horizontal labels: the two outermost give a lower bound of the widest, so
// that only promising steps get all their texts measured.
bool mayFitHorizontally(const ChartAxis &axis, double low, double high, double step, double spacing,
                        const QFontMetricsF &metrics)
{
    const auto [first, last] = multiplesWithin(low, high, step);
    if (last < first)
        return true;
    const ChartNumberFormat format = axis.labelFormat();
    const double outer = std::max(metrics.horizontalAdvance(format.format(tickValue(first, step))),
                                  metrics.horizontalAdvance(format.format(tickValue(last, step))));
    return roomFor(spacing, outer, false);
}

// The finest step worth trying: labels at least kMinSpacingPx apart and no
// finer than the label format can tell apart.
double automaticStep(const ChartAxis &axis, double span, double length)
{
    return std::max(niceFloor(span * kMinSpacingPx / length), axis.labelFormat().resolution());
}

double startingStep(const ChartAxis &axis, double span, double length)
{
    if (axis.increment() > 0.0)
        return std::max(axis.increment(), axis.labelFormat().resolution());
    return automaticStep(axis, span, length);
}

double widestOf(const std::vector<AxisTick> &ticks)
{
    double widest = 0.0;
    for (const AxisTick &tick : ticks)
        widest = std::max(widest, tick.width);
    return widest;
}

// Labels from `base` times 1, 2, 5, 10, ... on: the first step whose labels
// leave room between them.
AxisTicks ticksFrom(double base, const ChartAxis &axis, const AxisMapping &map, const QFontMetricsF &metrics)
{
    AxisTicks result;
    result.textHeight = metrics.height();
    const double low = map.low;
    const double high = map.low + (map.end - map.start) / map.scale;
    double factor = 1.0;
    for (int i = 0; i < kMaxStepTries; ++i, factor = nextFactor(factor)) {
        const double step = base * factor;
        const double spacing = step * map.scale;
        if (spacing < kMinSpacingPx)
            continue;
        if (map.vertical ? !roomFor(spacing, metrics.height(), true)
                         : !mayFitHorizontally(axis, low, high, step, spacing, metrics))
            continue;
        auto ticks = ticksForStep(axis, map, low, high, step, metrics);
        const double widest = widestOf(ticks);
        if (map.vertical || roomFor(spacing, widest, false) || ticks.size() <= 1) {
            result.step = step;
            result.ticks = std::move(ticks);
            result.maxWidth = widest;
            return result;
        }
    }
    return result;
}

} // namespace

AxisTicks computeAxisTicks(const ChartAxis &axis, const AxisMapping &map, const QFontMetricsF &metrics)
{
    const double span = (map.end - map.start) / map.scale;
    const double length = std::max(1, map.end - map.start);
    if (!(span > 0.0) || !std::isfinite(span)) {
        AxisTicks none;
        none.textHeight = metrics.height();
        return none;
    }
    AxisTicks ticks = ticksFrom(startingStep(axis, span, length), axis, map, metrics);
    // A range narrower than the increment (a deep zoom) would keep one label
    // or none: an automatic step labels it instead.
    if (ticks.ticks.size() < 2 && axis.increment() > 0.0) {
        AxisTicks finer = ticksFrom(automaticStep(axis, span, length), axis, map, metrics);
        if (finer.ticks.size() > ticks.ticks.size())
            return finer;
    }
    return ticks;
}

} // namespace vorn::chart
