// The points of a series, with a min/max summary of y (a tree: per 16
// points, per 8 of those, and so on) and knowledge of whether x is ascending.
// x is held per point or follows a rule (evenly spaced); y is held per point
// or read in place from an array of records its owner keeps. One storage may
// be shared by series of several charts.
#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace vorn::chart {

// Evenly spaced x: point i lies at ((i - origin) x step) / divisor, the
// product formed exactly in 64 bits and only the division in reals, so the
// values are the ones a caller computing them that way gets. divisor > 0.
// The origin is the point that lies at 0 (curves aligned at a later sample).
struct EvenSpacing {
    std::int64_t step = 1;
    double divisor = 1.0;
    std::int64_t origin = 0;

    double operator[](std::ptrdiff_t index) const
    {
        return double((std::int64_t(index) - origin) * step) / divisor;
    }
    bool operator==(const EvenSpacing &) const = default;
};

// One double field of an array of records, read where it lies: value i is
// the double at `first` plus i x `stride` bytes, shown as value x scale +
// offset. The owner keeps the records in place and unchanged while a series
// reads them, and refills the series after changing them.
struct ColumnView {
    const double *first = nullptr;
    std::ptrdiff_t stride = sizeof(double); // bytes from one record's value to the next
    double scale = 1.0;
    double offset = 0.0;

    double operator[](std::ptrdiff_t index) const
    {
        const char *at = reinterpret_cast<const char *>(first) + index * stride;
        return *reinterpret_cast<const double *>(at) * scale + offset;
    }
};

// A column of values held by the storage itself.
struct HeldColumn {
    const double *values = nullptr;
    double operator[](std::ptrdiff_t index) const { return values[index]; }
};

class ChartSeriesData
{
public:
    // The summary tree: an entry per kLeafSize points, then an entry per
    // kFanOut entries of the level below. The extremes of any index range
    // cost at most 2 x (kLeafSize - 1) points and 2 x (kFanOut - 1) entries
    // per level; the tree takes about 1.1 bytes a point.
    static constexpr int kLeafSize = 16;
    static constexpr int kFanOut = 8;
    // Spans the nearest-point search skips at once: blocks and groups, the
    // entries of tree levels 1 and 3.
    static constexpr int kBlockSize = kLeafSize * kFanOut;
    static constexpr int kGroupSize = kBlockSize * kFanOut * kFanOut;

    int count() const { return m_count; }
    bool isEmpty() const { return m_count == 0; }
    double x(int index) const { return m_evenX ? m_spacing[index] : m_x[size_t(index)]; }
    double y(int index) const { return m_viewY ? m_view[index] : m_y[size_t(index)]; }

    // Calls f(xs, ys) with accessors of the x and y columns (each with
    // operator[](index)), so that loops over many points are compiled once
    // per way of holding them instead of asking at every point.
    template<typename F>
    decltype(auto) visitColumns(F &&f) const
    {
        if (m_evenX)
            return m_viewY ? f(m_spacing, m_view) : f(m_spacing, HeldColumn{m_y.data()});
        return m_viewY ? f(HeldColumn{m_x.data()}, m_view) : f(HeldColumn{m_x.data()}, HeldColumn{m_y.data()});
    }

    // Values should be finite: the drawing and the summaries assume it.
    void append(double x, double y);
    void append(const double *xs, const double *ys, int n);
    // Writing a value of a column that is not held per point first makes it
    // one that is (every other value stays what it was).
    void setX(int index, double x);
    void setY(int index, double y);
    void clear();
    void reserve(int n);

    // Replaces all points: `count` points with evenly spaced x and y read in
    // place. Nothing is copied.
    void showColumns(int count, const EvenSpacing &x, const ColumnView &y);
    // Gives every point its x by the rule, keeping the count and y.
    void setEvenSpacing(const EvenSpacing &x);
    bool hasEvenSpacing() const { return m_evenX; }
    const EvenSpacing &evenSpacing() const { return m_spacing; }
    bool readsInPlace() const { return m_viewY; }

    // Changes with every modification; lets caches tell stale from current.
    std::uint64_t revision() const { return m_revision; }

    // True when x never decreases from one point to the next (equal
    // neighbours allowed). The fast searches rely on it.
    bool isAscending() const;

    // For ascending x: the first index whose x >= value (count if none) and
    // the first index whose x > value (count if none).
    int lowerBound(double value) const;
    int upperBound(double value) const;

    // Smallest and largest y of the points first..last (inclusive, clamped to
    // the points that exist); {0, 0} when the range is empty.
    std::pair<double, double> yRange(int first, int last) const;
    // Over all points; {0, 0} for no points.
    std::pair<double, double> yExtent() const { return yRange(0, count() - 1); }
    std::pair<double, double> xExtent() const;

    // The extremes of block b (points b*kBlockSize .. (b+1)*kBlockSize-1)
    // and of group g (points g*kGroupSize .. (g+1)*kGroupSize-1); the last
    // block or group may be partial.
    std::pair<double, double> blockYRange(int block) const;
    std::pair<double, double> groupYRange(int group) const;

private:
    enum class Order { Ascending, NotAscending, Unknown };
    struct Block {
        double min;
        double max;
    };

    void touch(int index);
    void holdX();
    void holdY();
    void updateSummary() const;
    // Entry `index` of tree level `level`, whose entries span `span` points.
    std::pair<double, double> treeEntry(size_t level, int index, int span) const;
    void noteOrderAt(int index);

    int m_count = 0;
    std::vector<double> m_x; // when !m_evenX
    std::vector<double> m_y; // when !m_viewY
    bool m_evenX = false;
    bool m_viewY = false;
    EvenSpacing m_spacing;
    ColumnView m_view;
    std::uint64_t m_revision = 0;
    mutable Order m_order = Order::Ascending;
    // Level k: one entry per kLeafSize x kFanOut^k points; up to the first
    // level of at most kFanOut entries.
    mutable std::vector<std::vector<Block>> m_levels;
    mutable int m_validPoints = 0; // the summary is current for the points before this one
    mutable std::uint64_t m_xExtentRevision = ~std::uint64_t(0);
    mutable std::pair<double, double> m_xExtent{0.0, 0.0};
};

} // namespace vorn::chart
