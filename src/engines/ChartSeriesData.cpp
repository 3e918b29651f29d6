// Series point storage with block summaries.
#include "ChartSeriesData.h"

#include <algorithm>

namespace vorn::chart {

void ChartSeriesData::touch(int index)
{
    ++m_revision;
    m_validBlocks = std::min(m_validBlocks, index / kBlockSize);
}

void ChartSeriesData::noteOrderAt(int index)
{
    if (m_order != Order::Ascending)
        return;
    const size_t i = size_t(index);
    if ((i > 0 && m_x[i - 1] > m_x[i]) || (i + 1 < m_x.size() && m_x[i] > m_x[i + 1]))
        m_order = Order::NotAscending;
}

void ChartSeriesData::append(double x, double y)
{
    m_x.push_back(x);
    m_y.push_back(y);
    touch(count() - 1);
    noteOrderAt(count() - 1);
}

void ChartSeriesData::append(const double *xs, const double *ys, int n)
{
    if (n <= 0)
        return;
    const int start = count();
    m_x.insert(m_x.end(), xs, xs + n);
    m_y.insert(m_y.end(), ys, ys + n);
    touch(start);
    if (m_order == Order::Ascending) {
        const size_t from = start > 0 ? size_t(start - 1) : 0;
        if (!std::is_sorted(m_x.begin() + std::ptrdiff_t(from), m_x.end()))
            m_order = Order::NotAscending;
    }
}

void ChartSeriesData::setX(int index, double x)
{
    m_x[size_t(index)] = x;
    ++m_revision;
    // A rewrite of all x values in index order passes through states that
    // are not ascending; find out again lazily instead of giving up the fast
    // path for good.
    if (m_order == Order::Ascending)
        noteOrderAt(index);
    if (m_order == Order::NotAscending)
        m_order = Order::Unknown;
}

void ChartSeriesData::setY(int index, double y)
{
    m_y[size_t(index)] = y;
    touch(index);
}

void ChartSeriesData::clear()
{
    m_x.clear();
    m_y.clear();
    m_blocks.clear();
    m_groups.clear();
    m_validBlocks = 0;
    m_order = Order::Ascending;
    ++m_revision;
}

void ChartSeriesData::reserve(int n)
{
    m_x.reserve(size_t(n));
    m_y.reserve(size_t(n));
}

bool ChartSeriesData::isAscending() const
{
    if (m_order == Order::Unknown)
        m_order = std::is_sorted(m_x.begin(), m_x.end()) ? Order::Ascending : Order::NotAscending;
    return m_order == Order::Ascending;
}

int ChartSeriesData::lowerBound(double value) const
{
    return int(std::lower_bound(m_x.begin(), m_x.end(), value) - m_x.begin());
}

int ChartSeriesData::upperBound(double value) const
{
    return int(std::upper_bound(m_x.begin(), m_x.end(), value) - m_x.begin());
}

void ChartSeriesData::updateSummary() const
{
    const int blocks = blockCount();
    if (m_validBlocks >= blocks && int(m_blocks.size()) == blocks)
        return;
    constexpr int kBlocksPerGroup = kGroupSize / kBlockSize;
    // Groups are rebuilt whole from their blocks.
    const int firstBlock = std::min(m_validBlocks, blocks) / kBlocksPerGroup * kBlocksPerGroup;
    m_blocks.resize(size_t(blocks));
    m_groups.resize(size_t(groupCount()));
    for (int b = firstBlock; b < blocks; ++b) {
        const size_t from = size_t(b) * kBlockSize;
        const size_t to = std::min(m_y.size(), from + kBlockSize);
        const auto [lo, hi] = std::minmax_element(m_y.begin() + std::ptrdiff_t(from),
                                                  m_y.begin() + std::ptrdiff_t(to));
        m_blocks[size_t(b)] = {*lo, *hi};
        Block &group = m_groups[size_t(b / kBlocksPerGroup)];
        if (b % kBlocksPerGroup == 0)
            group = {*lo, *hi};
        group = {std::min(group.min, *lo), std::max(group.max, *hi)};
    }
    m_validBlocks = blocks;
}

std::pair<double, double> ChartSeriesData::blockYRange(int block) const
{
    updateSummary();
    const Block &b = m_blocks[size_t(block)];
    return {b.min, b.max};
}

std::pair<double, double> ChartSeriesData::groupYRange(int group) const
{
    updateSummary();
    const Block &g = m_groups[size_t(group)];
    return {g.min, g.max};
}

std::pair<double, double> ChartSeriesData::yRange(int first, int last) const
{
    first = std::max(first, 0);
    last = std::min(last, count() - 1);
    if (last < first)
        return {0.0, 0.0};
    const double *y = m_y.data();
    double lo = y[first];
    double hi = y[first];
    const auto take = [&](const Block &b) {
        lo = std::min(lo, b.min);
        hi = std::max(hi, b.max);
    };
    int i = first;
    // Samples up to the first block boundary.
    for (const int end = std::min(last + 1, (first + kBlockSize - 1) / kBlockSize * kBlockSize); i < end; ++i) {
        lo = std::min(lo, y[i]);
        hi = std::max(hi, y[i]);
    }
    if (i + kBlockSize - 1 <= last) {
        updateSummary();
        // Blocks up to a group boundary, whole groups, then blocks again.
        for (; i % kGroupSize != 0 && i + kBlockSize - 1 <= last; i += kBlockSize)
            take(m_blocks[size_t(i / kBlockSize)]);
        for (; i + kGroupSize - 1 <= last; i += kGroupSize)
            take(m_groups[size_t(i / kGroupSize)]);
        for (; i + kBlockSize - 1 <= last; i += kBlockSize)
            take(m_blocks[size_t(i / kBlockSize)]);
    }
    for (; i <= last; ++i) {
        lo = std::min(lo, y[i]);
        hi = std::max(hi, y[i]);
    }
    return {lo, hi};
}

std::pair<double, double> ChartSeriesData::xExtent() const
{
    if (m_x.empty())
        return {0.0, 0.0};
    if (isAscending())
        return {m_x.front(), m_x.back()};
    if (m_xExtentRevision != m_revision) {
        const auto [lo, hi] = std::minmax_element(m_x.begin(), m_x.end());
        m_xExtent = {*lo, *hi};
        m_xExtentRevision = m_revision;
    }
    return m_xExtent;
}

} // namespace vorn::chart
