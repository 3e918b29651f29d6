// Default axis ranges of the graph window, the time-axis label step and the
// conversion of the time range between units.
#pragma once

#include "graph/AxisTypes.h"

#include <QPointF>
#include <span>

namespace vorn::graph {

// What the axis arithmetic needs of one chart series. An empty series reports
// 0 for all three, as the chart does.
struct SeriesExtent {
    double minY = 0;
    double maxY = 0;
    double maxX = 0;
};
SeriesExtent seriesExtent(std::span<const QPointF> points);

// The four series of the graph: voltage, current, upper and lower limit line.
struct ChartExtents {
    SeriesExtent Series1;
    SeriesExtent Series2;
    SeriesExtent Series3;
    SeriesExtent Series4;
};

// x taken to the nearest integer, halves to the even one.
double Nearest(double x);

// Default voltage (fmin..fmax) and current (amin..amax) ranges: whole volts and
// amperes around the data, widened to the limit lines, the voltage minimum at
// most 10.
struct DefaultRanges {
    double fmin = 0;
    double fmax = 0;
    double amin = 0;
    double amax = 0;
};
DefaultRanges defaultRanges(const ChartExtents &chart);

// Label step of the time axis for a range of width d: 0.01 below 0.5, 0.1
// below 5, else 1.
double timeLabelStep(const AxisRange &bottom);

// A complete view: the three axes, the time label step and the texts of the six
// range edits.
struct GraphView {
    DefaultRanges defaults;
    AxisRange left;
    AxisRange right;
    AxisRange bottom;
    double timeStep = 1;
    RangeEditTexts edits;
};

// The view of a measurement shown for the first time (Set_New_Graph): default
// ranges, time from 0 to the last sample's time + 0.2.
GraphView newGraphView(const ChartExtents &chart);

// The view of the default-size button (and of an undone zoom): as above, with
// the current axis widened by 1 A each way and the time running to the
// largest time of all four series + 0.2.
GraphView defaultSizeView(const ChartExtents &chart);

// The time range after a change of unit. When the values grow (toward seconds)
// the chart must get the maximum first, when they shrink the minimum first, so
// that the range never turns inside out on the way.
struct BottomRangeChange {
    AxisRange range;
    bool maxFirst = false;
};
// Units 0 s, 1 min, 2 h; equal units, or a unit outside these, change nothing.
BottomRangeChange convertBottomRange(const AxisRange &bottom, int fromUnit, int toUnit);

} // namespace vorn::graph
