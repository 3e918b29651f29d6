// Axis drawing: grid, frame, ticks, labels, titles.
#include "ChartAxisPainter.h"

#include "ChartColors.h"
#include "ChartLayout.h"
#include "ChartModel.h"

#include <QFontMetricsF>
#include <QPaintEngine>
#include <QPainter>

#include <cmath>

namespace vorn::chart {

namespace {

const ChartAxis::Side kSides[] = {ChartAxis::Side::Left, ChartAxis::Side::Right,
                                  ChartAxis::Side::Bottom, ChartAxis::Side::Top};

// Dotted grid lines. On raster devices a one-pixel rectangle filled with a
// checker pattern gives the dots far quicker than a dotted pen.
void drawGrid(QPainter &painter, const ChartAxis &axis, const AxisLayout &layout, const QRect &plot,
              bool monochrome)
{
    const QColor color = outputColor(axis.gridColor(), monochrome);
    const bool raster = painter.paintEngine()->type() == QPaintEngine::Raster;
    painter.setPen(QPen(color, 0, Qt::DotLine));
    const QBrush dots(color, Qt::Dense4Pattern);
    for (const AxisTick &tick : layout.ticks.ticks) {
        QLine line;
        if (axis.isVertical()) {
            if (tick.pixel <= plot.top() || tick.pixel >= plot.bottom())
                continue;
            line = QLine(plot.left() + 1, tick.pixel, plot.right() - 1, tick.pixel);
        } else {
            if (tick.pixel <= plot.left() || tick.pixel >= plot.right())
                continue;
            line = QLine(tick.pixel, plot.top() + 1, tick.pixel, plot.bottom() - 1);
        }
        if (raster)
            painter.fillRect(QRect(line.p1(), line.p2()), dots);
        else
            painter.drawLine(line);
    }
}

void drawTicks(QPainter &painter, const ChartAxis &axis, const AxisLayout &layout, const QRect &plot)
{
    for (const AxisTick &tick : layout.ticks.ticks) {
        const int p = tick.pixel;
        switch (axis.side()) {
        case ChartAxis::Side::Left: painter.drawLine(plot.left() - kTickLength, p, plot.left() - 1, p); break;
        case ChartAxis::Side::Right: painter.drawLine(plot.right() + 1, p, plot.right() + kTickLength, p); break;
        case ChartAxis::Side::Bottom: painter.drawLine(p, plot.bottom() + 1, p, plot.bottom() + kTickLength); break;
        case ChartAxis::Side::Top: painter.drawLine(p, plot.top() - kTickLength, p, plot.top() - 1); break;
        }
    }
}

// Baseline start of a label so that it sits beside its tick.
QPointF labelOrigin(const ChartAxis &axis, const AxisTick &tick, const QRect &plot,
                    const QFontMetricsF &metrics)
{
    const double centreY = tick.pixel + (metrics.ascent() - metrics.descent()) / 2.0;
    const int outside = kTickLength + kLabelGap;
    switch (axis.side()) {
    case ChartAxis::Side::Left: return {plot.left() - outside - tick.width, centreY};
    case ChartAxis::Side::Right: return {double(plot.right() + outside + 1), centreY};
    case ChartAxis::Side::Bottom:
        return {tick.pixel - tick.width / 2.0, plot.bottom() + outside + metrics.ascent()};
    case ChartAxis::Side::Top: return {tick.pixel - tick.width / 2.0, plot.top() - outside - metrics.descent()};
    }
    return {};
}

void drawLabels(QPainter &painter, const ChartAxis &axis, const AxisLayout &layout, const QRect &plot,
                bool monochrome)
{
    if (!axis.labelsVisible())
        return;
    painter.setFont(axis.labelFont());
    painter.setPen(outputColor(axis.labelColor(), monochrome));
    const QFontMetricsF metrics(axis.labelFont());
    for (const AxisTick &tick : layout.ticks.ticks) {
        const QPointF origin = labelOrigin(axis, tick, plot, metrics);
        painter.drawText(QPointF(std::round(origin.x()), std::round(origin.y())), tick.text);
    }
}

void drawTitle(QPainter &painter, const ChartAxis &axis, const AxisLayout &layout, bool monochrome)
{
    if (layout.titleRect.isEmpty() || axis.title().isEmpty())
        return;
    painter.save();
    painter.setFont(axis.titleFont());
    painter.setPen(outputColor(axis.titleColor(), monochrome));
    const QRectF area = layout.titleRect;
    if (!axis.isVertical()) {
        painter.drawText(area, Qt::AlignCenter, axis.title());
    } else {
        // Left titles read upwards, right titles downwards.
        const bool left = axis.side() == ChartAxis::Side::Left;
        painter.translate(area.center());
        painter.rotate(left ? -90.0 : 90.0);
        const QRectF turned(-area.height() / 2.0, -area.width() / 2.0, area.height(), area.width());
        painter.drawText(turned, Qt::AlignCenter, axis.title());
    }
    painter.restore();
}

void drawPlotFrame(QPainter &painter, const QRect &plot, bool monochrome)
{
    painter.setPen(QPen(outputColor(QColor(40, 40, 40), monochrome), 0));
    painter.setBrush(Qt::NoBrush);
    painter.drawLine(plot.topLeft(), plot.topRight());
    painter.drawLine(plot.topRight(), plot.bottomRight());
    painter.drawLine(plot.bottomRight(), plot.bottomLeft());
    painter.drawLine(plot.bottomLeft(), plot.topLeft());
}

} // namespace

void drawAxisGrids(QPainter &painter, ChartModel &model, const ChartLayoutResult &layout)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (ChartAxis::Side side : kSides) {
        const ChartAxis &axis = *model.axis(side);
        const AxisLayout &axisLayout = layout.axes[size_t(side)];
        if (axisLayout.shown && axis.isGridVisible())
            drawGrid(painter, axis, axisLayout, layout.plotRect, model.isMonochrome());
    }
    painter.restore();
}

void drawAxes(QPainter &painter, ChartModel &model, const ChartLayoutResult &layout)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    const bool mono = model.isMonochrome();
    drawPlotFrame(painter, layout.plotRect, mono);
    for (ChartAxis::Side side : kSides) {
        const ChartAxis &axis = *model.axis(side);
        const AxisLayout &axisLayout = layout.axes[size_t(side)];
        if (!axisLayout.shown)
            continue;
        painter.setPen(QPen(outputColor(QColor(40, 40, 40), mono), 0));
        drawTicks(painter, axis, axisLayout, layout.plotRect);
        drawLabels(painter, axis, axisLayout, layout.plotRect, mono);
        drawTitle(painter, axis, axisLayout, mono);
    }
    painter.restore();
}

} // namespace vorn::chart
