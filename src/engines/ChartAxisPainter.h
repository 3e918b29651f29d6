// Draws the axes of a laid-out chart: grid, plot frame, ticks, labels and
// axis titles.
#pragma once

class QPainter;

namespace vorn::chart {

class ChartModel;
struct ChartLayoutResult;

// Grid lines go under the series, the rest over them.
void drawAxisGrids(QPainter &painter, ChartModel &model, const ChartLayoutResult &layout);
void drawAxes(QPainter &painter, ChartModel &model, const ChartLayoutResult &layout);

} // namespace vorn::chart
