// Line series: points, colours and pixel positions.
#include "ChartSeries.h"

#include "ChartAxis.h"

#include <algorithm>

namespace vorn::chart {

ChartSeries::ChartSeries(ChartHost *host, ChartAxis *horizontalAxis, ChartAxis *verticalAxis)
    : m_host(host)
    , m_xAxis(horizontalAxis)
    , m_yAxis(verticalAxis)
    , m_data(std::make_shared<ChartSeriesData>())
{
}

void ChartSeries::notify(ChartChange change)
{
    if (m_host)
        m_host->chartChanged(change);
}

ChartSeriesData &ChartSeries::writableData()
{
    if (!m_ownsData) {
        m_data = std::make_shared<ChartSeriesData>(*m_data);
        m_ownsData = true;
    }
    return *m_data;
}

void ChartSeries::setTitle(const QString &title)
{
    if (title == m_title)
        return;
    m_title = title;
    notify(ChartChange::Layout); // the legend may change size
}

void ChartSeries::setColor(const QColor &color)
{
    if (color == m_color)
        return;
    m_color = color;
    notify(ChartChange::Repaint);
}

void ChartSeries::setLineWidth(int width)
{
    width = std::max(1, width);
    if (width == m_lineWidth)
        return;
    m_lineWidth = width;
    notify(ChartChange::Repaint);
}

void ChartSeries::setPointMarksVisible(bool visible)
{
    if (visible == m_marksVisible)
        return;
    m_marksVisible = visible;
    notify(ChartChange::Repaint);
}

void ChartSeries::setPointMarkSize(int size)
{
    size = std::max(1, size);
    if (size == m_markSize)
        return;
    m_markSize = size;
    notify(ChartChange::Repaint);
}

void ChartSeries::setActive(bool active)
{
    if (active == m_active)
        return;
    m_active = active;
    notify(ChartChange::Data);
}

double ChartSeries::xValue(int index) const
{
    return validIndex(index) ? m_data->x(index) : 0.0;
}

double ChartSeries::yValue(int index) const
{
    return validIndex(index) ? m_data->y(index) : 0.0;
}

void ChartSeries::setXValue(int index, double x)
{
    if (!validIndex(index))
        return;
    writableData().setX(index, x);
    notify(ChartChange::Data);
}

void ChartSeries::setYValue(int index, double y)
{
    if (!validIndex(index))
        return;
    writableData().setY(index, y);
    notify(ChartChange::Data);
}

int ChartSeries::add(double x, double y)
{
    writableData().append(x, y);
    notify(ChartChange::Data);
    return count() - 1;
}

void ChartSeries::add(const double *xs, const double *ys, int n)
{
    writableData().append(xs, ys, n);
    notify(ChartChange::Data);
}

void ChartSeries::clear()
{
    if (m_ownsData) {
        m_data->clear();
    } else {
        m_data = std::make_shared<ChartSeriesData>();
        m_ownsData = true;
    }
    m_colors.clear();
    notify(ChartChange::Data);
}

void ChartSeries::reserve(int n)
{
    writableData().reserve(n);
}

void ChartSeries::showColumns(int count, const EvenSpacing &x, const ColumnView &y)
{
    writableData().showColumns(count, x, y);
    notify(ChartChange::Data);
}

void ChartSeries::setEvenSpacing(const EvenSpacing &x)
{
    if (m_data->hasEvenSpacing() && m_data->evenSpacing() == x)
        return;
    writableData().setEvenSpacing(x);
    notify(ChartChange::Data);
}

QColor ChartSeries::pointColor(int index) const
{
    const QRgb raw = m_colors.rawColor(index);
    return raw == 0 ? m_color : QColor::fromRgba(raw);
}

void ChartSeries::setPointColor(int index, const QColor &color)
{
    if (!validIndex(index))
        return;
    m_colors.setColor(index, color);
    notify(ChartChange::Repaint);
}

int ChartSeries::colorRange(double a, double b, const QColor &color)
{
    if (a > b)
        std::swap(a, b);
    const ChartSeriesData &d = *m_data;
    int colored = 0;
    if (d.isAscending()) {
        const int first = d.lowerBound(a);
        const int last = d.upperBound(b) - 1;
        m_colors.fill(first, last, color);
        colored = std::max(0, last - first + 1);
    } else {
        for (int i = 0; i < d.count(); ++i) {
            if (d.x(i) >= a && d.x(i) <= b) {
                m_colors.setColor(i, color);
                ++colored;
            }
        }
    }
    if (colored > 0)
        notify(ChartChange::Repaint);
    return colored;
}

void ChartSeries::clearPointColors()
{
    m_colors.clear();
    notify(ChartChange::Repaint);
}

void ChartSeries::sharePointsOf(const ChartSeries &source)
{
    if (&source == this)
        return;
    m_data = source.m_data;
    m_ownsData = false;
    notify(ChartChange::Data);
}

int ChartSeries::pixelX(int index) const
{
    return validIndex(index) ? m_xAxis->valueToPixel(m_data->x(index)) : -1;
}

int ChartSeries::pixelY(int index) const
{
    return validIndex(index) ? m_yAxis->valueToPixel(m_data->y(index)) : -1;
}

VisibleRange ChartSeries::visibleRange() const
{
    const double low = m_xAxis->minimum();
    const double high = m_xAxis->maximum();
    const ChartSeriesData &d = *m_data;
    if (d.isAscending())
        return {d.lowerBound(low), d.upperBound(high) - 1};
    VisibleRange range{d.count(), -1};
    for (int i = 0; i < d.count(); ++i) {
        if (d.x(i) >= low && d.x(i) <= high) {
            range.first = std::min(range.first, i);
            range.last = i;
        }
    }
    return range;
}

QPointF ChartSeries::valuesAt(QPoint pixel) const
{
    return {m_xAxis->pixelToValue(pixel.x()), m_yAxis->pixelToValue(pixel.y())};
}

} // namespace vorn::chart
