// Colour rules shared by everything that draws a chart.
#pragma once

#include <QColor>

namespace vorn::chart {

// The colour actually drawn: in monochrome output white stays white, greys
// stay grey and every other colour becomes black.
inline QColor outputColor(const QColor &color, bool monochrome)
{
    if (!monochrome || !color.isValid())
        return color;
    if (color.red() == color.green() && color.green() == color.blue())
        return color;
    return QColor(0, 0, 0, color.alpha());
}

} // namespace vorn::chart
