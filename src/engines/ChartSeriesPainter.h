// Draws series lines and point marks, reduced per pixel column, with runs
// of equal colour drawn together.
#pragma once

#include <QRect>

class QPainter;

namespace vorn::chart {

class ChartSeries;

struct SeriesDrawOptions {
    bool monochrome = false;
    // Columns per chart pixel for the reduction (more for vector output).
    double columnsPerPixel = 1.0;
    // false draws every point: only for comparisons.
    bool reduce = true;
};

void drawSeries(QPainter &painter, const ChartSeries &series, const QRect &plot,
                const SeriesDrawOptions &options);

} // namespace vorn::chart
