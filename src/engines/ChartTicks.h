// Label positions of an axis: the step that keeps labels apart, and the
// labelled values with their texts and pixels.
#pragma once

#include "engines/ChartTypes.h"

#include <QFontMetricsF>
#include <QString>

#include <vector>

namespace vorn::chart {

class ChartAxis;

struct AxisTick {
    double value = 0.0;
    int pixel = 0;
    QString text;
    double width = 0.0; // text width in pixels
};

struct AxisTicks {
    double step = 0.0;  // axis units between labels; 0 when there are none
    std::vector<AxisTick> ticks;
    double maxWidth = 0.0;   // widest label text, pixels
    double textHeight = 0.0; // height of one label line, pixels
};

// Free pixels kept between neighbouring labels.
constexpr double kHorizontalLabelGap = 6.0;
constexpr double kVerticalLabelGap = 6.0;

// Labels for `axis` laid out by `map`, measured with `metrics`. The step is
// the axis increment (or an automatic one) times the smallest factor of 1, 2,
// 5, 10, 20, 50, ... that keeps the labels from touching; it is never finer
// than the label format can show. Labels sit on whole multiples of the step.
// A range too narrow to hold two multiples of the increment (a deep zoom)
// is labelled with an automatic step instead of staying bare.
AxisTicks computeAxisTicks(const ChartAxis &axis, const AxisMapping &map,
                           const QFontMetricsF &metrics);

} // namespace vorn::chart
