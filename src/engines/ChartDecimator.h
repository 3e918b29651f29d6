// Min/max reduction of a series to what a pixel grid can show: per pixel
// column the first, lowest, highest and last point, so that every extreme
// stays visible while a million points cost a few thousand line vertices.
#pragma once

#include "engines/ChartTypes.h"

#include <QPolygonF>

namespace vorn::chart {

class ChartSeriesData;

struct DecimationGrid {
    AxisMapping xMap;
    AxisMapping yMap;
    // Columns per chart pixel: 1 on screen, more for vector output that may
    // be enlarged.
    double columnsPerPixel = 1.0;
    // false draws every point (for comparison and for tests).
    bool reduce = true;
};

// Appends the points first..last (inclusive, valid indices) mapped to chart
// pixels. With reduce, the points of one column (more than four of them)
// become four vertices on the column centre: the first point's value, the
// nearer extreme, the other extreme and the last point's value. Drawn, that
// stroke covers exactly the pixels of the segments between those points, so
// every extreme stays visible. For ascending x each column costs a search
// that starts from the previous column's size plus a summary lookup, so the
// cost grows with the number of columns, not of points; other data is
// walked point by point.
void appendReducedPolyline(QPolygonF &out, const ChartSeriesData &data, int first, int last,
                           const DecimationGrid &grid);

} // namespace vorn::chart
