// Per-column min/max reduction of series points.
#include "ChartDecimator.h"

#include "ChartSeriesData.h"

#include <algorithm>
#include <cmath>

namespace vorn::chart {

namespace {

// Xs and Ys are the column accessors of ChartSeriesData::visitColumns().
template<typename Xs, typename Ys>
class Reducer
{
public:
    Reducer(QPolygonF &out, const ChartSeriesData &data, const DecimationGrid &grid, Xs xs, Ys ys)
        : m_out(out)
        , m_data(data)
        , m_grid(grid)
        , m_x(xs)
        , m_y(ys)
        , m_columnScale(grid.xMap.scale * grid.columnsPerPixel)
    {
    }

    // Column c covers the chart pixels [c - 0.5, c + 0.5) / columnsPerPixel
    // from the axis start, as pixel p covers [p - 0.5, p + 0.5).
    double column(int index) const { return std::floor((m_x[index] - m_grid.xMap.low) * m_columnScale + 0.5); }
    double columnCentre(double col) const
    {
        return m_grid.xMap.start + col / m_grid.columnsPerPixel;
    }

    void emitPoint(int index) { m_out.append(point(m_x[index], m_y[index])); }

    QPointF point(double x, double y) const
    {
        return {m_grid.xMap.toPixelF(x), m_grid.yMap.toPixelF(y)};
    }

    // The group first..last lies in one column; ymin/ymax are its extremes.
    // A crowded column becomes a vertical stroke at the column centre: the
    // first point, the nearer extreme, the other extreme, the last point.
    // Drawn, it covers exactly the pixels of all its points' segments.
    void emitGroup(int first, int last, double ymin, double ymax)
    {
        if (last - first < 4) {
            for (int i = first; i <= last; ++i)
                emitPoint(i);
            return;
        }
        const double x = columnCentre(column(first));
        const double y0 = m_y[first];
        const bool minFirst = std::fabs(y0 - ymin) <= std::fabs(y0 - ymax);
        const AxisMapping &ym = m_grid.yMap;
        m_out.append(QPointF(x, ym.toPixelF(y0)));
        m_out.append(QPointF(x, ym.toPixelF(minFirst ? ymin : ymax)));
        m_out.append(QPointF(x, ym.toPixelF(minFirst ? ymax : ymin)));
        m_out.append(QPointF(x, ym.toPixelF(m_y[last])));
    }

    // Last index in [from, last] still in column `col` (x ascending).
    // `guess` is the expected group size: evenly sampled data fills every
    // column alike, so the search usually ends after a probe or two near
    // the guess instead of a binary search across the whole array.
    int columnEnd(int from, int last, double col, int guess) const
    {
        int inside = from;      // known to be in the column
        int outside = last + 1; // known to be past it
        const int probe = std::min(from + std::max(guess, 1) - 1, last);
        if (probe > from) {
            if (column(probe) <= col)
                inside = probe;
            else
                outside = probe;
        }
        // Gallop from the known inside point, then bisect.
        for (int step = 1; inside + step < outside; step *= 2) {
            if (column(inside + step) > col) {
                outside = inside + step;
                break;
            }
            inside += step;
        }
        while (outside - inside > 1) {
            const int mid = inside + (outside - inside) / 2;
            if (column(mid) <= col)
                inside = mid;
            else
                outside = mid;
        }
        return inside;
    }

    void reduceAscending(int first, int last)
    {
        int guess = 1;
        for (int i = first; i <= last;) {
            const int end = columnEnd(i, last, column(i), guess);
            guess = end - i + 1;
            if (end - i < 4)
                emitGroup(i, end, 0.0, 0.0);
            else {
                const auto [lo, hi] = m_data.yRange(i, end);
                emitGroup(i, end, lo, hi);
            }
            i = end + 1;
        }
    }

    void reduceInOrder(int first, int last)
    {
        int start = first;
        double col = column(first);
        double lo = m_y[first];
        double hi = lo;
        for (int i = first + 1; i <= last; ++i) {
            const double c = column(i);
            if (c != col) {
                emitGroup(start, i - 1, lo, hi);
                start = i;
                col = c;
                lo = hi = m_y[i];
            } else {
                lo = std::min(lo, m_y[i]);
                hi = std::max(hi, m_y[i]);
            }
        }
        emitGroup(start, last, lo, hi);
    }

private:
    QPolygonF &m_out;
    const ChartSeriesData &m_data;
    const DecimationGrid &m_grid;
    Xs m_x;
    Ys m_y;
    double m_columnScale;
};

} // namespace

void appendReducedPolyline(QPolygonF &out, const ChartSeriesData &data, int first, int last,
                           const DecimationGrid &grid)
{
    if (last < first)
        return;
    data.visitColumns([&](auto xs, auto ys) {
        Reducer reducer(out, data, grid, xs, ys);
        if (!grid.reduce) {
            out.reserve(out.size() + (last - first + 1));
            for (int i = first; i <= last; ++i)
                reducer.emitPoint(i);
        } else if (data.isAscending()) {
            reducer.reduceAscending(first, last);
        } else {
            reducer.reduceInOrder(first, last);
        }
    });
}

} // namespace vorn::chart
