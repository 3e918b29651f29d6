// Series point storage with block summaries.
#include "ChartSeriesData.h"

#include <algorithm>

namespace vorn::chart {

namespace {

// The first index in [0, count) for which `after` holds, where it holds for
// every index from some point on (count if for none).
template<typename Pred>
int firstWhere(int count, Pred after)
{
    int lo = 0;
    int hi = count;
    while (lo < hi) {
        const int mid = lo + (hi - lo) / 2;
        if (after(mid))
            hi = mid;
        else
            lo = mid + 1;
    }
    return lo;
}

template<typename Column>
std::vector<double> valuesOf(const Column &column, int count, int room)
{
    std::vector<double> values;
    values.reserve(size_t(std::max(count, room)));
    for (int i = 0; i < count; ++i)
        values.push_back(column[i]);
    return values;
}

} // namespace

void ChartSeriesData::touch(int index)
{
    ++m_revision;
    m_validBlocks = std::min(m_validBlocks, index / kBlockSize);
}

void ChartSeriesData::noteOrderAt(int index)
{
    if (m_order != Order::Ascending)
        return;
    if ((index > 0 && x(index - 1) > x(index)) || (index + 1 < m_count && x(index) > x(index + 1)))
        m_order = Order::NotAscending;
}

void ChartSeriesData::holdX()
{
    if (!m_evenX)
        return;
    m_x = valuesOf(m_spacing, m_count, m_count);
    m_evenX = false;
    m_order = m_spacing.step >= 0 ? Order::Ascending : Order::NotAscending;
}

void ChartSeriesData::holdY()
{
    if (!m_viewY)
        return;
    m_y = valuesOf(m_view, m_count, m_count);
    m_viewY = false;
}

void ChartSeriesData::append(double x, double y)
{
    holdX();
    holdY();
    m_x.push_back(x);
    m_y.push_back(y);
    ++m_count;
    touch(m_count - 1);
    noteOrderAt(m_count - 1);
}

void ChartSeriesData::append(const double *xs, const double *ys, int n)
{
    if (n <= 0)
        return;
    holdX();
    holdY();
    const int start = m_count;
    m_x.insert(m_x.end(), xs, xs + n);
    m_y.insert(m_y.end(), ys, ys + n);
    m_count += n;
    touch(start);
    if (m_order == Order::Ascending) {
        const size_t from = start > 0 ? size_t(start - 1) : 0;
        if (!std::is_sorted(m_x.begin() + std::ptrdiff_t(from), m_x.end()))
            m_order = Order::NotAscending;
    }
}

void ChartSeriesData::setX(int index, double x)
{
    holdX();
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
    holdY();
    m_y[size_t(index)] = y;
    touch(index);
}

void ChartSeriesData::clear()
{
    // The memory goes too: a series is cleared to be filled anew, often
    // with points read in place.
    std::vector<double>().swap(m_x);
    std::vector<double>().swap(m_y);
    std::vector<Block>().swap(m_blocks);
    std::vector<Block>().swap(m_groups);
    m_count = 0;
    m_evenX = false;
    m_viewY = false;
    m_validBlocks = 0;
    m_order = Order::Ascending;
    ++m_revision;
}

void ChartSeriesData::reserve(int n)
{
    if (!m_evenX)
        m_x.reserve(size_t(n));
    if (!m_viewY)
        m_y.reserve(size_t(n));
}

void ChartSeriesData::showColumns(int count, const EvenSpacing &x, const ColumnView &y)
{
    clear();
    m_count = std::max(count, 0);
    m_evenX = true;
    m_spacing = x;
    m_viewY = true;
    m_view = y;
}

void ChartSeriesData::setEvenSpacing(const EvenSpacing &x)
{
    if (m_evenX && m_spacing == x)
        return;
    std::vector<double>().swap(m_x);
    m_evenX = true;
    m_spacing = x;
    ++m_revision;
}

bool ChartSeriesData::isAscending() const
{
    if (m_evenX)
        return m_spacing.step >= 0;
    if (m_order == Order::Unknown)
        m_order = std::is_sorted(m_x.begin(), m_x.end()) ? Order::Ascending : Order::NotAscending;
    return m_order == Order::Ascending;
}

int ChartSeriesData::lowerBound(double value) const
{
    return firstWhere(m_count, [&](int i) { return !(x(i) < value); });
}

int ChartSeriesData::upperBound(double value) const
{
    return firstWhere(m_count, [&](int i) { return value < x(i); });
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
    visitColumns([&](auto, auto ys) {
        for (int b = firstBlock; b < blocks; ++b) {
            const int from = b * kBlockSize;
            const int to = std::min(m_count, from + kBlockSize);
            double lo = ys[from];
            double hi = lo;
            for (int i = from + 1; i < to; ++i) {
                const double v = ys[i];
                lo = std::min(lo, v);
                hi = std::max(hi, v);
            }
            m_blocks[size_t(b)] = {lo, hi};
            Block &group = m_groups[size_t(b / kBlocksPerGroup)];
            if (b % kBlocksPerGroup == 0)
                group = {lo, hi};
            group = {std::min(group.min, lo), std::max(group.max, hi)};
        }
    });
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
    return visitColumns([&](auto, auto y) -> std::pair<double, double> {
        double lo = y[first];
        double hi = lo;
        const auto takeSamples = [&](int from, int to) {
            for (int i = from; i < to; ++i) {
                const double v = y[i];
                lo = std::min(lo, v);
                hi = std::max(hi, v);
            }
        };
        const auto take = [&](const Block &b) {
            lo = std::min(lo, b.min);
            hi = std::max(hi, b.max);
        };
        // Samples up to the first block boundary.
        int i = std::min(last + 1, (first + kBlockSize - 1) / kBlockSize * kBlockSize);
        takeSamples(first, i);
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
        takeSamples(i, last + 1);
        return {lo, hi};
    });
}

std::pair<double, double> ChartSeriesData::xExtent() const
{
    if (m_count == 0)
        return {0.0, 0.0};
    if (isAscending())
        return {x(0), x(m_count - 1)};
    if (m_evenX) // descending
        return {x(m_count - 1), x(0)};
    if (m_xExtentRevision != m_revision) {
        const auto [lo, hi] = std::minmax_element(m_x.begin(), m_x.end());
        m_xExtent = {*lo, *hi};
        m_xExtentRevision = m_revision;
    }
    return m_xExtent;
}

} // namespace vorn::chart
