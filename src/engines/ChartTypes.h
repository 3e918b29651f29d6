// Small types shared by the chart engine: the change channel from axes and
// series to their chart, and the value-to-pixel mapping of one axis.
#pragma once

#include <cmath>

namespace vorn::chart {

class ChartAxis;

// What a change of an axis or a series asks of its chart.
enum class ChartChange {
    Repaint, // only the look changed: draw again
    Layout,  // sizes of labels or titles may have changed: lay out, then draw
    Data,    // points changed: automatic ranges, layout and drawing
};

// Implemented by the chart that owns axes and series. Axes and series report
// their changes through it and ask it to bring the layout up to date before
// they convert between values and pixels.
class ChartHost
{
public:
    virtual void chartChanged(ChartChange change) = 0;
    virtual void ensureLayout() = 0;

protected:
    ~ChartHost() = default;
};

// Chart pixels are logical pixels of the chart's own coordinate system
// (origin at its top-left corner, 1/96 inch). A pixel value is the centre of
// that pixel column or row; integer positions round half up.
inline int roundPixel(double pixel)
{
    constexpr double kLimit = 1.0e9; // keeps far-off points inside int range
    if (!(pixel > -kLimit))
        return int(-kLimit);
    if (pixel > kLimit)
        return int(kLimit);
    return int(std::floor(pixel + 0.5));
}

// The linear mapping of one laid-out axis. Horizontal axes grow to the right
// (minimum at start, maximum at end); vertical axes grow upwards (minimum at
// the bottom pixel `end`, maximum at the top pixel `start`).
struct AxisMapping {
    double low = 0.0;   // value at the minimum end
    double scale = 1.0; // pixels per value unit, > 0
    int start = 0;      // left or top pixel
    int end = 0;        // right or bottom pixel
    bool vertical = false;

    double toPixelF(double value) const
    {
        const double offset = (value - low) * scale;
        return vertical ? end - offset : start + offset;
    }
    int toPixel(double value) const { return roundPixel(toPixelF(value)); }
    double toValue(double pixel) const
    {
        return vertical ? low + (end - pixel) / scale : low + (pixel - start) / scale;
    }
};

// First and last index of the points whose x lies in the bottom axis range.
// For ascending x, first is the first index with x >= minimum (count when
// there is none) and last the last index with x <= maximum (-1 when there is
// none). For x that is not ascending they are the lowest and highest index
// of a point inside the range, or count and -1 when there is none.
struct VisibleRange {
    int first = 0;
    int last = -1;
    bool isEmpty() const { return last < first; }
};

} // namespace vorn::chart
