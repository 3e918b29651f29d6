// Series drawing: visible range, colour runs, reduction, wide raster lines.
#include "ChartSeriesPainter.h"

#include "ChartAxis.h"
#include "ChartColors.h"
#include "ChartDecimator.h"
#include "ChartPixelWriter.h"
#include "ChartSeries.h"

#include <QPaintEngine>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <vector>

namespace vorn::chart {

namespace {

// Far-off vertices are cut back to this distance from the plot, so that
// deep zooms never hand huge coordinates to the painter.
constexpr double kClipPad = 2000.0;
// Widest line (device pixels) drawn as repeated one-pixel lines.
constexpr int kMaxRasterLineWidth = 7;

struct ColorBatch {
    QRgb color;
    std::vector<QPolygonF> lines;
};

// Liang-Barsky: the part of segment a-b inside `box`, if any.
bool clipSegment(QPointF &a, QPointF &b, const QRectF &box)
{
    double t0 = 0.0;
    double t1 = 1.0;
    const double dx = b.x() - a.x();
    const double dy = b.y() - a.y();
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x() - box.left(), box.right() - a.x(), a.y() - box.top(), box.bottom() - a.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
    }
    if (t0 > t1)
        return false;
    const QPointF from = a;
    a = from + QPointF(dx * t0, dy * t0);
    b = from + QPointF(dx * t1, dy * t1);
    return true;
}

// Splits `line` into pieces inside `box` (only called when some vertex is
// outside it).
void appendClipped(std::vector<QPolygonF> &out, const QPolygonF &line, const QRectF &box)
{
    QPolygonF current;
    for (qsizetype i = 1; i < line.size(); ++i) {
        QPointF a = line[i - 1];
        QPointF b = line[i];
        if (!clipSegment(a, b, box)) {
            if (current.size() > 1)
                out.push_back(current);
            current.clear();
            continue;
        }
        if (current.isEmpty() || current.last() != a) {
            if (current.size() > 1)
                out.push_back(current);
            current = QPolygonF{a};
        }
        current.append(b);
    }
    if (current.size() > 1)
        out.push_back(current);
}

void addLine(ColorBatch &batch, QPolygonF &&line, const QRectF &box)
{
    if (line.size() < 2)
        return;
    const bool inside = std::all_of(line.cbegin(), line.cend(), [&](const QPointF &p) { return box.contains(p); });
    if (inside)
        batch.lines.push_back(std::move(line));
    else
        appendClipped(batch.lines, line, box);
}

ColorBatch &batchFor(std::vector<ColorBatch> &batches, QRgb color)
{
    for (ColorBatch &b : batches) {
        if (b.color == color)
            return b;
    }
    batches.push_back({color, {}});
    return batches.back();
}

// Indices to draw: the visible points plus one neighbour on each side, so
// that lines run to the plot edges.
std::pair<int, int> drawRange(const ChartSeries &series)
{
    const int count = series.count();
    if (!series.data().isAscending())
        return {0, count - 1};
    const VisibleRange visible = series.visibleRange();
    return {std::max(0, visible.first - 1), std::min(count - 1, visible.last + 1)};
}

std::vector<ColorBatch> buildBatches(const ChartSeries &series, const QRect &plot,
                                     const SeriesDrawOptions &options)
{
    const auto [lo, hi] = drawRange(series);
    std::vector<ColorBatch> batches;
    if (hi <= lo)
        return batches;
    const DecimationGrid grid{series.horizontalAxis()->mapping(), series.verticalAxis()->mapping(),
                              options.columnsPerPixel, options.reduce};
    const QRectF box = QRectF(plot).adjusted(-kClipPad, -kClipPad, kClipPad, kClipPad);
    const ChartSeriesData &data = series.data();
    for (const ColorRun &run : series.colorRuns().runs(series.count())) {
        const int start = std::max(run.start, lo);
        const int end = std::min(run.end, hi);
        if (start > end)
            continue;
        QPolygonF line;
        if (start > lo) // the segment into this run has the run's colour
            appendReducedPolyline(line, data, start - 1, start - 1, grid);
        appendReducedPolyline(line, data, start, end, grid);
        const QRgb color = run.color ? run.color : series.color().rgba();
        addLine(batchFor(batches, color), std::move(line), box);
    }
    return batches;
}

// A line in device pixels split for fast raster drawing: vertical strokes
// (the crowded columns of a reduced line) become filled rectangles; the
// other segments are drawn as one-pixel lines repeated across the line
// width, sideways for steep segments and up and down for flat ones, as a
// thick Bresenham line is.
struct RasterLine {
    std::vector<QRect> bars;
    std::vector<QLine> steep;
    std::vector<QLine> flat;
};

RasterLine splitForRaster(const ColorBatch &batch, const QTransform &transform, int width, bool bars)
{
    RasterLine out;
    const int shift = (width - 1) / 2;
    for (const QPolygonF &line : batch.lines) {
        const QPolygonF device = transform.map(line);
        bool lastWasBar = false;
        for (qsizetype i = 1; i < device.size(); ++i) {
            // Whole pixels, rounded as pixelX()/pixelY() round: the raster
            // engine would otherwise truncate fractions of aliased lines.
            const QPoint a(roundPixel(device[i - 1].x()), roundPixel(device[i - 1].y()));
            const QPoint b(roundPixel(device[i].x()), roundPixel(device[i].y()));
            const int x = a.x();
            const bool bar = bars && x == b.x();
            if (bar) {
                const int y0 = std::min(a.y(), b.y());
                const int y1 = std::max(a.y(), b.y());
                // What the steep lines below would cover, in one rectangle.
                const QRect rect(x - shift, y0, width, y1 - y0 + 1);
                // The strokes of one column follow each other: one rectangle.
                if (lastWasBar && out.bars.back().left() == rect.left())
                    out.bars.back() = out.bars.back().united(rect);
                else
                    out.bars.push_back(rect);
            } else if (std::abs(b.y() - a.y()) >= std::abs(b.x() - a.x())) {
                out.steep.emplace_back(a, b);
            } else {
                out.flat.emplace_back(a, b);
            }
            lastWasBar = bar;
        }
    }
    return out;
}

// The split line written straight into the image's pixels.
void writeRaster(PixelWriter &writer, const RasterLine &line, QRgb color, int width)
{
    writer.setColor(color);
    for (const QRect &bar : line.bars)
        writer.fillRect(bar);
    const int shift = (width - 1) / 2;
    for (int k = -shift; k < width - shift; ++k) {
        for (const QLine &steep : line.steep)
            writer.line(steep.p1() + QPoint(k, 0), steep.p2() + QPoint(k, 0));
        for (const QLine &flat : line.flat)
            writer.line(flat.p1() + QPoint(0, k), flat.p2() + QPoint(0, k));
    }
}

// On raster devices wide pens go through a slow stroker; the split line
// above draws the same crisp pixels many times faster, and faster still
// written straight into an image.
bool drawRaster(QPainter &painter, const ColorBatch &batch, const QColor &color, int width, bool reduce,
                const QRect &plot)
{
    const QTransform transform = painter.transform();
    // Work in device pixels: needs a raster device whose world transform is
    // the whole device transform (no device pixel ratio scaling behind it)
    // and no rotation.
    if (painter.paintEngine()->type() != QPaintEngine::Raster || transform.isRotating()
        || painter.deviceTransform() != transform)
        return false;
    const int deviceWidth = std::max(1, int(std::lround(width * std::sqrt(std::fabs(transform.determinant())))));
    if (deviceWidth > kMaxRasterLineWidth)
        return false;
    const RasterLine line = splitForRaster(batch, transform, deviceWidth, reduce);
    if (color.alpha() == 255) {
        if (std::optional<PixelWriter> writer = PixelWriter::forPainter(painter, plot)) {
            writeRaster(*writer, line, color.rgb(), deviceWidth);
            return true;
        }
    }
    painter.save();
    painter.resetTransform();
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawRects(line.bars.data(), int(line.bars.size()));
    painter.setPen(QPen(color, 0));
    const int shift = (deviceWidth - 1) / 2;
    for (int k = -shift; k < deviceWidth - shift; ++k) {
        painter.setTransform(QTransform::fromTranslate(k, 0));
        painter.drawLines(line.steep.data(), int(line.steep.size()));
        painter.setTransform(QTransform::fromTranslate(0, k));
        painter.drawLines(line.flat.data(), int(line.flat.size()));
    }
    painter.restore();
    return true;
}

void drawBatch(QPainter &painter, const ColorBatch &batch, const QColor &color, int width, bool reduce,
               const QRect &plot)
{
    if (drawRaster(painter, batch, color, width, reduce, plot))
        return;
    painter.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (const QPolygonF &line : batch.lines)
        painter.drawPolyline(line);
}

void drawPointMarks(QPainter &painter, const ChartSeries &series, bool monochrome)
{
    const VisibleRange visible = series.visibleRange();
    const int size = series.pointMarkSize();
    QPoint previous(-1, -1);
    for (int i = std::max(0, visible.first); i <= visible.last && i < series.count(); ++i) {
        const QPoint p = series.pixelOf(i);
        if (p == previous)
            continue; // many points on one pixel need one mark
        previous = p;
        const QColor fill = outputColor(series.pointColor(i), monochrome);
        painter.setPen(QPen(outputColor(fill.darker(160), monochrome), 0));
        painter.setBrush(fill);
        painter.drawRect(QRect(p.x() - size, p.y() - size, 2 * size, 2 * size));
    }
}

} // namespace

void drawSeries(QPainter &painter, const ChartSeries &series, const QRect &plot,
                const SeriesDrawOptions &options)
{
    if (!series.isActive() || series.count() == 0)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setClipRect(plot);
    for (const ColorBatch &batch : buildBatches(series, plot, options)) {
        const QColor color = outputColor(QColor::fromRgba(batch.color), options.monochrome);
        drawBatch(painter, batch, color, series.lineWidth(), options.reduce, plot);
    }
    if (series.pointMarksVisible())
        drawPointMarks(painter, series, options.monochrome);
    painter.restore();
}

} // namespace vorn::chart
