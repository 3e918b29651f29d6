// Whole-chart drawing: background, frame, title, grid, series, axes, legend
// and the after-draw hook.
#include "ChartRenderer.h"

#include "ChartAxisPainter.h"
#include "ChartCanvas.h"
#include "ChartColors.h"
#include "ChartModel.h"
#include "ChartSeriesPainter.h"

#include <QPaintEngine>
#include <QPainter>

#include <cmath>

namespace vorn::chart {

namespace {

void drawBevel(QPainter &painter, QSize size, bool monochrome)
{
    // Two raised rings: light on the top and left edges, dark on the others.
    const QColor light[2] = {QColor(255, 255, 255), QColor(227, 227, 227)};
    const QColor dark[2] = {QColor(64, 64, 64), QColor(160, 160, 160)};
    for (int ring = 0; ring < kBevelWidth; ++ring) {
        const int l = ring;
        const int t = ring;
        const int r = size.width() - 1 - ring;
        const int b = size.height() - 1 - ring;
        painter.setPen(QPen(outputColor(light[ring], monochrome), 0));
        painter.drawLine(l, t, r - 1, t);
        painter.drawLine(l, t, l, b - 1);
        painter.setPen(QPen(outputColor(dark[ring], monochrome), 0));
        painter.drawLine(r, t, r, b);
        painter.drawLine(l, b, r, b);
    }
}

void drawTitle(QPainter &painter, ChartModel &model, const ChartLayoutResult &layout)
{
    if (layout.titleRect.isEmpty())
        return;
    painter.setFont(model.titleFont());
    painter.setPen(outputColor(Qt::black, model.isMonochrome()));
    painter.drawText(layout.titleRect, Qt::AlignCenter, model.title());
}

void drawLegend(QPainter &painter, ChartModel &model, const ChartLayoutResult &layout)
{
    const bool mono = model.isMonochrome();
    painter.setFont(model.legendFont());
    for (const LegendEntry &entry : layout.legend) {
        painter.fillRect(entry.swatch, outputColor(entry.series->color(), mono));
        painter.setPen(outputColor(Qt::black, mono));
        painter.drawText(entry.text, Qt::AlignLeft | Qt::AlignVCenter, entry.series->title());
    }
}

SeriesDrawOptions seriesOptions(QPainter &painter, const ChartModel &model, const RenderOptions &options)
{
    SeriesDrawOptions result;
    result.monochrome = model.isMonochrome();
    result.reduce = options.reduce;
    const bool raster = painter.paintEngine() && painter.paintEngine()->type() == QPaintEngine::Raster;
    if (raster) {
        // One column per device pixel: a high-density image gets finer lines.
        result.columnsPerPixel = std::max(1.0, std::sqrt(std::fabs(painter.deviceTransform().determinant())));
    } else {
        result.columnsPerPixel = options.vectorColumnsPerPixel;
    }
    return result;
}

} // namespace

void renderChart(QPainter &painter, ChartModel &model, QSize size, const AfterDrawHandler &afterDraw,
                 const RenderOptions &options)
{
    ChartModel::SizeScope scope(model, size);
    const ChartLayoutResult layout = model.chartLayout();
    const bool mono = model.isMonochrome();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.fillRect(QRect(QPoint(0, 0), size), mono ? QColor(Qt::white) : model.backgroundColor());
    if (model.isBevelled())
        drawBevel(painter, size, mono);
    drawTitle(painter, model, layout);
    drawAxisGrids(painter, model, layout);
    const SeriesDrawOptions seriesOpts = seriesOptions(painter, model, options);
    for (int i = 0; i < model.seriesCount(); ++i)
        drawSeries(painter, *model.series(i), layout.plotRect, seriesOpts);
    drawAxes(painter, model, layout);
    drawLegend(painter, model, layout);
    painter.restore();
    if (afterDraw) {
        ChartCanvas canvas(painter, layout.plotRect, mono);
        afterDraw(canvas);
    }
}

} // namespace vorn::chart
