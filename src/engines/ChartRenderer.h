// Draws a whole chart into any QPainter: screen images, printer, PDF, SVG
// or a QPicture. Vector devices get the same reduced lines as the screen, so
// a chart of a million points stays small and quick.
#pragma once

#include <QSize>

#include <functional>

class QPainter;

namespace vorn::chart {

class ChartCanvas;
class ChartModel;

using AfterDrawHandler = std::function<void(ChartCanvas &)>;

struct RenderOptions {
    // Reduction columns per chart pixel on vector devices, which may be
    // enlarged when shown (on raster devices it is one per device pixel).
    double vectorColumnsPerPixel = 2.0;
    // false draws every point: only for comparisons.
    bool reduce = true;
};

// Draws `model` laid out at `size` chart pixels with its top-left corner at
// the painter's origin; scale the painter to fit another area. The after-
// draw handler runs last, on a canvas of the same painter, while the layout
// (plot rectangle, axis pixels) is that of `size`.
void renderChart(QPainter &painter, ChartModel &model, QSize size,
                 const AfterDrawHandler &afterDraw = {}, const RenderOptions &options = {});

} // namespace vorn::chart
