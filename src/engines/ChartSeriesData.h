// The points of a series (x and y as doubles), with a two-level min/max
// summary of y (per block of 64 samples and per group of 4096) and knowledge
// of whether x is ascending. One storage may be shared by series of several
// charts.
#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace vorn::chart {

class ChartSeriesData
{
public:
    // Samples per summary block and per group of blocks. The extremes of any
    // index range cost at most 2 x 63 samples, 2 x 63 blocks and one entry
    // per whole group.
    static constexpr int kBlockSize = 64;
    static constexpr int kGroupSize = 64 * kBlockSize;

    int count() const { return int(m_x.size()); }
    bool isEmpty() const { return m_x.empty(); }
    double x(int index) const { return m_x[size_t(index)]; }
    double y(int index) const { return m_y[size_t(index)]; }
    const double *xData() const { return m_x.data(); }
    const double *yData() const { return m_y.data(); }

    // Values should be finite: the drawing and the summaries assume it.
    void append(double x, double y);
    void append(const double *xs, const double *ys, int n);
    void setX(int index, double x);
    void setY(int index, double y);
    void clear();
    void reserve(int n);

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

    // The summary of block b (points b*kBlockSize .. (b+1)*kBlockSize-1)
    // and of group g (points g*kGroupSize .. (g+1)*kGroupSize-1); the last
    // block or group may be partial.
    int blockCount() const { return (count() + kBlockSize - 1) / kBlockSize; }
    int groupCount() const { return (count() + kGroupSize - 1) / kGroupSize; }
    std::pair<double, double> blockYRange(int block) const;
    std::pair<double, double> groupYRange(int group) const;

private:
    enum class Order { Ascending, NotAscending, Unknown };
    struct Block {
        double min;
        double max;
    };

    void touch(int index);
    void updateSummary() const;
    void noteOrderAt(int index);

    std::vector<double> m_x;
    std::vector<double> m_y;
    std::uint64_t m_revision = 0;
    mutable Order m_order = Order::Ascending;
    mutable std::vector<Block> m_blocks;
    mutable std::vector<Block> m_groups;
    mutable int m_validBlocks = 0; // blocks (and their groups) before this one are current
    mutable std::uint64_t m_xExtentRevision = ~std::uint64_t(0);
    mutable std::pair<double, double> m_xExtent{0.0, 0.0};
};

} // namespace vorn::chart
