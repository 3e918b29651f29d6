// A line series: points on the bottom axis and a left or right axis, with a
// colour, a width, optional square point marks and per-point colours.
#pragma once

#include "engines/ChartColorRuns.h"
#include "engines/ChartSeriesData.h"
#include "engines/ChartTypes.h"

#include <QColor>
#include <QPoint>
#include <QPointF>
#include <QString>

#include <memory>

namespace vorn::chart {

class ChartAxis;

class ChartSeries
{
public:
    // Created by the chart (ChartModel::addSeries), which owns it.
    ChartSeries(ChartHost *host, ChartAxis *horizontalAxis, ChartAxis *verticalAxis);
    ChartSeries(const ChartSeries &) = delete;
    ChartSeries &operator=(const ChartSeries &) = delete;

    ChartAxis *horizontalAxis() const { return m_xAxis; }
    ChartAxis *verticalAxis() const { return m_yAxis; }

    // --- Look ---
    QString title() const { return m_title; }
    void setTitle(const QString &title);
    // The line colour, used by every point without a colour of its own.
    QColor color() const { return m_color; }
    void setColor(const QColor &color);
    // Line width in chart pixels (at least 1).
    int lineWidth() const { return m_lineWidth; }
    void setLineWidth(int width);
    // Square marks on the points, `size` pixels from the point to each side.
    bool pointMarksVisible() const { return m_marksVisible; }
    void setPointMarksVisible(bool visible);
    int pointMarkSize() const { return m_markSize; }
    void setPointMarkSize(int size);
    // An inactive series is neither drawn nor counted by automatic axes.
    bool isActive() const { return m_active; }
    void setActive(bool active);

    // --- Points --- Indices run from 0 to count()-1. Reading an index out of
    // range gives 0 and writing one is ignored. Values should be finite.
    int count() const { return m_data->count(); }
    double xValue(int index) const;
    double yValue(int index) const;
    void setXValue(int index, double x);
    void setYValue(int index, double y);
    int add(double x, double y); // returns the new point's index
    void add(const double *xs, const double *ys, int n);
    void clear(); // points and point colours
    void reserve(int n);
    // Shows `count` points whose x is evenly spaced and whose y is read in
    // place from records the caller keeps unchanged while the series shows
    // them (see ColumnView): nothing is copied. Replaces all points; the
    // point colours stay. Every operation above works on such points as on
    // added ones; writing a value first copies that column.
    void showColumns(int count, const EvenSpacing &x, const ColumnView &y);
    // Gives every point its x by the rule, keeping the count and y.
    void setEvenSpacing(const EvenSpacing &x);

    // Extremes of the values; 0 for an empty series.
    double minY() const { return m_data->yExtent().first; }
    double maxY() const { return m_data->yExtent().second; }
    double minX() const { return m_data->xExtent().first; }
    double maxX() const { return m_data->xExtent().second; }

    // --- Point colours --- A segment between point i-1 and point i is drawn
    // in the colour of point i.
    QColor pointColor(int index) const;
    void setPointColor(int index, const QColor &color);
    // Colours every point whose x lies in [a, b] (both inclusive; a reversed
    // pair is swapped). Returns the number of points coloured.
    int colorRange(double a, double b, const QColor &color);
    void clearPointColors();
    const ChartColorRuns &colorRuns() const { return m_colors; }

    // --- Shared points --- The series shows the points of `source` (usually
    // a series of another chart) without copying them: changes made through
    // the source appear here. Colours, title and look stay this series' own.
    // Writing points through a sharing series first gives it a private copy;
    // clear() gives it a new empty storage.
    void sharePointsOf(const ChartSeries &source);
    bool sharesPoints() const { return !m_ownsData; }
    const ChartSeriesData &data() const { return *m_data; }

    // --- Pixels (chart pixels, after layout) ---
    int pixelX(int index) const; // -1 for an index out of range
    int pixelY(int index) const;
    QPoint pixelOf(int index) const { return {pixelX(index), pixelY(index)}; }
    // Index range of the points whose x lies in the bottom axis range.
    VisibleRange visibleRange() const;
    // The values under a chart pixel: x on the bottom axis, y on this
    // series' vertical axis.
    QPointF valuesAt(QPoint pixel) const;

private:
    ChartSeriesData &writableData();
    void notify(ChartChange change);
    bool validIndex(int index) const { return index >= 0 && index < count(); }

    ChartHost *m_host;
    ChartAxis *m_xAxis;
    ChartAxis *m_yAxis;
    std::shared_ptr<ChartSeriesData> m_data;
    bool m_ownsData = true;
    ChartColorRuns m_colors;
    QString m_title;
    QColor m_color = Qt::red;
    int m_lineWidth = 1;
    bool m_marksVisible = false;
    int m_markSize = 3;
    bool m_active = true;
};

} // namespace vorn::chart
