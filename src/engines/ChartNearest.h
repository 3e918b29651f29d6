// The point of a series nearest to a pixel column, for cursor read-outs.
#pragma once

namespace vorn::chart {

class ChartSeries;

struct NearestPoint {
    int index = -1;   // -1: no point qualifies
    int distance = 0; // |column - point's pixel x|, whole pixels; 0 when none
    bool found() const { return index >= 0; }
};

// Only points closer than this many pixels qualify.
constexpr int kNearestPointLimit = 100;

// The rule, as a plain scan would apply it: take the visible index range of
// the series (first clamped to >= 0; last set to count-1 when it is negative
// or not below count); among its points whose pixel (x, y) lies inside the
// plot rectangle, edges included, find the one with the smallest
// d = |pixelX - point's pixel x| that is below kNearestPointLimit; equal
// distances go to the lowest index. Only the horizontal distance counts.
//
// For ascending x (the usual case) the search starts at the binary-search
// position of pixelX and walks outwards, skipping whole blocks of samples
// that lie above or below the plot, so a mouse move costs microseconds at
// millions of points; it returns exactly the point the plain scan would.
// Series whose x is not ascending are scanned point by point.
NearestPoint findNearestPoint(const ChartSeries &series, int pixelX);

} // namespace vorn::chart
