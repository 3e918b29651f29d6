// Where everything of a chart goes for a given size: plot rectangle, axis
// labels and titles, chart title and legend.
#pragma once

#include "engines/ChartTicks.h"

#include <QRect>
#include <QSize>

#include <array>
#include <vector>

namespace vorn::chart {

class ChartModel;
class ChartSeries;

struct AxisLayout {
    bool shown = false;
    AxisTicks ticks;
    QRect titleRect; // empty when there is no title
};

struct LegendEntry {
    const ChartSeries *series = nullptr;
    QRect swatch; // short line in the series colour
    QRect text;
};

struct ChartLayoutResult {
    QSize size;
    QRect plotRect;  // left, top, right, bottom inclusive (QRect semantics)
    QRect titleRect; // empty when the title is hidden
    QRect legendRect;
    std::vector<LegendEntry> legend;
    std::array<AxisLayout, 4> axes; // indexed by ChartAxis::Side
};

// Length of the tick marks outside the plot and the gaps around labels.
constexpr int kTickLength = 4;
constexpr int kLabelGap = 3;
constexpr int kBevelWidth = 2;

// Lays the model out at `size`: sets the pixel spans of its axes and returns
// the positions of all parts. Axis ranges must be current.
ChartLayoutResult computeChartLayout(ChartModel &model, QSize size);

} // namespace vorn::chart
