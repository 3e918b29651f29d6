// Chart layout: margins, title, legend, axis labels and titles around the plot.
#include "ChartLayout.h"

#include "ChartAxis.h"
#include "ChartModel.h"
#include "ChartSeries.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

namespace vorn::chart {

namespace {

constexpr int kLegendSwatch = 18;
constexpr int kLegendSpacing = 14;

int ceilPx(double value)
{
    return int(std::ceil(value - 1e-6));
}

int titleThickness(const ChartAxis &axis)
{
    if (axis.title().isEmpty())
        return 0;
    return ceilPx(QFontMetricsF(axis.titleFont()).height()) + kLabelGap;
}

int labelHeight(const ChartAxis &axis)
{
    return axis.labelsVisible() ? ceilPx(QFontMetricsF(axis.labelFont()).height()) : 0;
}

// Room a horizontal axis needs below (or above) the plot.
int horizontalAxisDepth(const ChartAxis &axis)
{
    if (!axis.isVisible())
        return 0;
    return kTickLength + kLabelGap + labelHeight(axis) + titleThickness(axis);
}

AxisLayout &layoutOf(ChartLayoutResult &result, const ChartAxis &axis)
{
    return result.axes[size_t(axis.side())];
}

struct LegendItem {
    const ChartSeries *series;
    int width;
};

// Active series with a title, split greedily into rows that fit `width`.
std::vector<std::vector<LegendItem>> legendRows(const ChartModel &model, const QFontMetricsF &metrics,
                                                int width)
{
    std::vector<std::vector<LegendItem>> rows;
    int used = 0;
    for (int i = 0; i < model.seriesCount(); ++i) {
        const ChartSeries *series = model.series(i);
        if (!series->isActive() || series->title().isEmpty())
            continue;
        const int itemWidth = kLegendSwatch + 4 + ceilPx(metrics.horizontalAdvance(series->title()));
        if (rows.empty() || used + kLegendSpacing + itemWidth > width) {
            rows.emplace_back();
            used = -kLegendSpacing;
        }
        rows.back().push_back({series, itemWidth});
        used += kLegendSpacing + itemWidth;
    }
    return rows;
}

// Legend rows centred at the bottom of `area`; shrinks `area` above them.
void layoutLegend(const ChartModel &model, QRect &area, ChartLayoutResult &result)
{
    const QFontMetricsF metrics(model.legendFont());
    const auto rows = legendRows(model, metrics, area.width());
    if (rows.empty())
        return;
    const int rowHeight = ceilPx(metrics.height());
    const int height = int(rows.size()) * rowHeight;
    result.legendRect = QRect(area.left(), area.bottom() - height + 1, area.width(), height);
    int top = result.legendRect.top();
    for (const auto &row : rows) {
        int rowWidth = -kLegendSpacing;
        for (const LegendItem &item : row)
            rowWidth += kLegendSpacing + item.width;
        int x = area.left() + (area.width() - rowWidth) / 2;
        for (const LegendItem &item : row) {
            LegendEntry entry;
            entry.series = item.series;
            entry.swatch = QRect(x, top + rowHeight / 2 - 1, kLegendSwatch, 3);
            entry.text = QRect(x + kLegendSwatch + 4, top, item.width - kLegendSwatch - 4, rowHeight);
            result.legend.push_back(entry);
            x += item.width + kLegendSpacing;
        }
        top += rowHeight;
    }
    area.setBottom(result.legendRect.top() - kLabelGap - 1);
}

// Width a vertical axis needs beside the plot, with its ticks computed for
// the plot's current top and bottom.
int verticalAxisWidth(ChartAxis &axis, const QRect &plot, ChartLayoutResult &result)
{
    AxisLayout &layout = layoutOf(result, axis);
    axis.setPixelSpan(plot.top(), plot.bottom());
    layout.shown = axis.isVisible();
    if (!layout.shown)
        return 0;
    if (axis.labelsVisible())
        layout.ticks = computeAxisTicks(axis, axis.mappingNoLayout(), QFontMetricsF(axis.labelFont()));
    const int labels = axis.labelsVisible() ? ceilPx(layout.ticks.maxWidth) : 0;
    return kTickLength + kLabelGap + labels + titleThickness(axis);
}

void placeVerticalTitle(const ChartAxis &axis, const QRect &plot, int outerEdge, ChartLayoutResult &result)
{
    AxisLayout &layout = layoutOf(result, axis);
    const int thickness = titleThickness(axis) - kLabelGap;
    if (!layout.shown || thickness <= 0)
        return;
    const int left = axis.side() == ChartAxis::Side::Left ? outerEdge : outerEdge - thickness + 1;
    layout.titleRect = QRect(left, plot.top(), thickness, plot.height());
}

void layoutHorizontalAxis(ChartAxis &axis, const QRect &plot, ChartLayoutResult &result)
{
    AxisLayout &layout = layoutOf(result, axis);
    axis.setPixelSpan(plot.left(), plot.right());
    layout.shown = axis.isVisible();
    if (!layout.shown)
        return;
    if (axis.labelsVisible())
        layout.ticks = computeAxisTicks(axis, axis.mappingNoLayout(), QFontMetricsF(axis.labelFont()));
    const int thickness = titleThickness(axis) - kLabelGap;
    if (thickness <= 0)
        return;
    const int offset = kTickLength + kLabelGap + labelHeight(axis) + kLabelGap;
    const int top = axis.side() == ChartAxis::Side::Bottom ? plot.bottom() + offset
                                                           : plot.top() - offset - thickness;
    layout.titleRect = QRect(plot.left(), top, plot.width(), thickness);
}

// Half the width of the labels a horizontal axis may show at its ends.
int halfEdgeLabelWidth(const ChartAxis &axis)
{
    if (!axis.isVisible() || !axis.labelsVisible())
        return 0;
    const QFontMetricsF metrics(axis.labelFont());
    const ChartNumberFormat format = axis.labelFormat();
    const AxisMapping map = axis.mappingNoLayout();
    const double high = map.low + (map.end - map.start) / map.scale;
    const double widest = std::max(metrics.horizontalAdvance(format.format(map.low)),
                                   metrics.horizontalAdvance(format.format(high)));
    return ceilPx(widest / 2.0) + 1;
}

// The chart inside its bevel.
QRect innerRect(const ChartModel &model, QSize size)
{
    QRect inner(QPoint(0, 0), size);
    if (model.isBevelled())
        inner.adjust(kBevelWidth, kBevelWidth, -kBevelWidth, -kBevelWidth);
    return inner;
}

// The area left inside the bevel and the margins (percent of the size).
QRect marginArea(const ChartModel &model, QSize size)
{
    QRect area = innerRect(model, size);
    const QMargins m = model.margins();
    const auto percent = [](int total, int share) { return int(std::lround(total * share / 100.0)); };
    area.adjust(percent(size.width(), m.left()), percent(size.height(), m.top()),
                -percent(size.width(), m.right()), -percent(size.height(), m.bottom()));
    return area;
}

void layoutTitle(const ChartModel &model, QRect &area, ChartLayoutResult &result)
{
    if (!model.isTitleVisible() || model.title().isEmpty())
        return;
    const int height = ceilPx(QFontMetricsF(model.titleFont()).height());
    result.titleRect = QRect(area.left(), area.top(), area.width(), height);
    area.setTop(area.top() + height + kLabelGap);
}

} // namespace

ChartLayoutResult computeChartLayout(ChartModel &model, QSize size)
{
    ChartLayoutResult result;
    result.size = size;
    QRect area = marginArea(model, size);
    layoutTitle(model, area, result);
    if (model.isLegendVisible())
        layoutLegend(model, area, result);
    ChartAxis &left = *model.leftAxis();
    ChartAxis &right = *model.rightAxis();
    // Vertical labels are centred on their value: keep half a label free.
    const int halfLabel = std::max(labelHeight(left), labelHeight(right)) / 2;
    QRect plot = area;
    plot.setTop(area.top() + std::max(horizontalAxisDepth(*model.topAxis()), halfLabel));
    plot.setBottom(area.bottom() - std::max(horizontalAxisDepth(*model.bottomAxis()), halfLabel));
    // Bottom labels are centred on their value: the outermost may need room
    // beside the plot where no vertical axis provides it.
    const int halfBottom = halfEdgeLabelWidth(*model.bottomAxis());
    const QRect inner = innerRect(model, size);
    plot.setLeft(std::max(area.left() + verticalAxisWidth(left, plot, result), inner.left() + halfBottom));
    plot.setRight(std::min(area.right() - verticalAxisWidth(right, plot, result), inner.right() - halfBottom));
    if (plot.width() < 2)
        plot.setWidth(2);
    if (plot.height() < 2)
        plot.setHeight(2);
    placeVerticalTitle(left, plot, area.left(), result);
    placeVerticalTitle(right, plot, area.right(), result);
    layoutHorizontalAxis(*model.bottomAxis(), plot, result);
    layoutHorizontalAxis(*model.topAxis(), plot, result);
    result.plotRect = plot;
    return result;
}

} // namespace vorn::chart
