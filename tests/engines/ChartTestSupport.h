// Helpers of the chart tests: a plain chart set-up and pixel counting.
#pragma once

#include "engines/ChartModel.h"

#include <QColor>
#include <QImage>
#include <QRect>

#include <functional>

namespace vorn::chart::test {

// Fixed ranges, no titles, white background: pixels are easy to predict.
inline void plainChart(ChartModel &chart, QSize size = QSize(400, 300))
{
    chart.setChartSize(size);
    chart.setBackgroundColor(Qt::white);
    for (ChartAxis *axis : {chart.leftAxis(), chart.rightAxis(), chart.bottomAxis()}) {
        axis->setGridVisible(false);
        axis->setRange(0.0, 10.0);
    }
}

inline int countPixels(const QImage &image, const QRect &area, const std::function<bool(QRgb)> &match)
{
    int n = 0;
    const QRect clipped = area.intersected(image.rect());
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        for (int x = clipped.left(); x <= clipped.right(); ++x) {
            if (match(image.pixel(x, y)))
                ++n;
        }
    }
    return n;
}

inline int countColor(const QImage &image, const QRect &area, const QColor &color)
{
    const QRgb wanted = color.rgb();
    return countPixels(image, area, [wanted](QRgb p) { return qRgb(qRed(p), qGreen(p), qBlue(p)) == wanted; });
}

inline int countColor(const QImage &image, const QColor &color)
{
    return countColor(image, image.rect(), color);
}

} // namespace vorn::chart::test
