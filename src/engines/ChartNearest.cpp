// Nearest-point search along the pixel x of a series.
#include "ChartNearest.h"

#include "ChartAxis.h"
#include "ChartSeries.h"

#include <algorithm>
#include <cstdlib>

namespace vorn::chart {

namespace {

// Xs and Ys are the column accessors of ChartSeriesData::visitColumns().
template<typename Xs, typename Ys>
class NearestSearch
{
public:
    NearestSearch(const ChartSeries &series, int pixelX, Xs xs, Ys ys)
        : m_data(series.data())
        , m_x(xs)
        , m_y(ys)
        , m_xMap(series.horizontalAxis()->mapping())
        , m_yMap(series.verticalAxis()->mapping())
        , m_column(pixelX)
    {
    }

    int px(int t) const { return m_xMap.toPixel(m_x[t]); }
    bool insideY(int t) const
    {
        const int py = m_yMap.toPixel(m_y[t]);
        return py >= m_yMap.start && py <= m_yMap.end;
    }
    bool inside(int t) const
    {
        const int x = px(t);
        return x >= m_xMap.start && x <= m_xMap.end && insideY(t);
    }

    // Every point of a summarised span lies above or below the plot.
    bool outside(std::pair<double, double> yRange) const
    {
        return m_yMap.toPixel(yRange.first) < m_yMap.start || m_yMap.toPixel(yRange.second) > m_yMap.end;
    }

    // The first index from t on (step +1) or down from t (step -1) that is
    // not inside a group or block lying wholly above or below the plot.
    int skipOutside(int t, int step) const
    {
        constexpr int G = ChartSeriesData::kGroupSize;
        constexpr int B = ChartSeriesData::kBlockSize;
        for (;;) {
            if (t < 0 || t >= m_data.count())
                return t;
            if (outside(m_data.groupYRange(t / G)))
                t = step > 0 ? (t / G + 1) * G : t / G * G - 1;
            else if (outside(m_data.blockYRange(t / B)))
                t = step > 0 ? (t / B + 1) * B : t / B * B - 1;
            else
                return t;
        }
    }

    NearestPoint linearScan(int first, int last) const
    {
        NearestPoint best;
        int limit = kNearestPointLimit;
        for (int t = first; t <= last; ++t) {
            if (!inside(t))
                continue;
            const int d = std::abs(m_column - px(t));
            if (d < limit) {
                limit = d;
                best = {t, d};
            }
        }
        return best;
    }

    // First index in [first, last + 1) whose pixel x is >= column.
    int firstAtOrRight(int first, int last, int column) const
    {
        int lo = first;
        int hi = last + 1;
        while (lo < hi) {
            const int mid = lo + (hi - lo) / 2;
            if (px(mid) >= column)
                hi = mid;
            else
                lo = mid + 1;
        }
        return lo;
    }

    // The first inside point from `from` up to `to`, or -1; stops where the
    // points get too far to the right. Summaries are consulted again only
    // when the walk enters a new block.
    int scanRight(int from, int to) const
    {
        constexpr int B = ChartSeriesData::kBlockSize;
        for (int t = from; t <= to; ++t) {
            if (t == from || t % B == 0) {
                t = skipOutside(t, +1);
                if (t > to)
                    return -1;
            }
            const int x = px(t);
            if (x - m_column >= kNearestPointLimit || x > m_xMap.end)
                return -1;
            if (x >= m_xMap.start && insideY(t))
                return t;
        }
        return -1;
    }

    // The first inside point from `from` down to `to`, or -1.
    int scanLeft(int from, int to) const
    {
        constexpr int B = ChartSeriesData::kBlockSize;
        for (int t = from; t >= to; --t) {
            if (t == from || t % B == B - 1) {
                t = skipOutside(t, -1);
                if (t < to)
                    return -1;
            }
            const int x = px(t);
            if (m_column - x >= kNearestPointLimit || x < m_xMap.start)
                return -1;
            if (x <= m_xMap.end && insideY(t))
                return t;
        }
        return -1;
    }

    NearestPoint outwardSearch(int first, int last) const
    {
        const int split = firstAtOrRight(first, last, m_column);
        const int right = scanRight(split, last);
        int left = scanLeft(split - 1, first);
        if (left >= 0) {
            // Equal pixels: the lowest inside index among them wins.
            const int sameColumn = firstAtOrRight(first, left, px(left));
            left = scanRight(sameColumn, left);
        }
        if (left >= 0 && (right < 0 || m_column - px(left) <= px(right) - m_column))
            return {left, m_column - px(left)};
        if (right >= 0)
            return {right, px(right) - m_column};
        return {};
    }

    const ChartSeriesData &data() const { return m_data; }

private:
    const ChartSeriesData &m_data;
    Xs m_x;
    Ys m_y;
    AxisMapping m_xMap;
    AxisMapping m_yMap;
    int m_column;
};

} // namespace

NearestPoint findNearestPoint(const ChartSeries &series, int pixelX)
{
    const int count = series.count();
    if (count < 1)
        return {};
    const VisibleRange visible = series.visibleRange();
    const int first = std::max(visible.first, 0);
    int last = visible.last;
    if (last < 0 || last >= count)
        last = count - 1;
    if (last < first)
        return {};
    return series.data().visitColumns([&](auto xs, auto ys) {
        const NearestSearch search(series, pixelX, xs, ys);
        if (!search.data().isAscending())
            return search.linearScan(first, last);
        return search.outwardSearch(first, last);
    });
}

} // namespace vorn::chart
