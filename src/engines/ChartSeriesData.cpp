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
    m_validPoints = std::min(m_validPoints, index);
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
    std::vector<std::vector<Block>>().swap(m_levels);
    m_count = 0;
    m_evenX = false;
    m_viewY = false;
    m_validPoints = 0;
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
    if (!m_evenX)
        return int(std::lower_bound(m_x.begin(), m_x.end(), value) - m_x.begin());
    return firstWhere(m_count, [&](int i) { return !(m_spacing[i] < value); });
}

int ChartSeriesData::upperBound(double value) const
{
    if (!m_evenX)
        return int(std::upper_bound(m_x.begin(), m_x.end(), value) - m_x.begin());
    return firstWhere(m_count, [&](int i) { return value < m_spacing[i]; });
}

void ChartSeriesData::updateSummary() const
{
    if (m_validPoints >= m_count && !m_levels.empty())
        return;
    // The level sizes for the points there are now.
    std::vector<int> sizes{(m_count + kLeafSize - 1) / kLeafSize};
    while (sizes.back() > kFanOut)
        sizes.push_back((sizes.back() + kFanOut - 1) / kFanOut);
    m_levels.resize(sizes.size());
    // Entries from the first one holding a point that changed are rebuilt,
    // each from the level below.
    int from = std::min(m_validPoints, m_count) / kLeafSize;
    visitColumns([&](auto, auto y) {
        std::vector<Block> &first = m_levels[0];
        first.resize(size_t(sizes[0]));
        for (int e = from; e < sizes[0]; ++e) {
            const int end = std::min(m_count, (e + 1) * kLeafSize);
            double lo = y[e * kLeafSize];
            double hi = lo;
            for (int i = e * kLeafSize + 1; i < end; ++i) {
                const double v = y[i];
                lo = std::min(lo, v);
                hi = std::max(hi, v);
            }
            first[size_t(e)] = {lo, hi};
        }
    });
    for (size_t k = 1; k < sizes.size(); ++k) {
        from /= kFanOut;
        const std::vector<Block> &below = m_levels[k - 1];
        std::vector<Block> &level = m_levels[k];
        level.resize(size_t(sizes[k]));
        for (int e = from; e < sizes[k]; ++e) {
            const size_t end = std::min(below.size(), size_t(e + 1) * kFanOut);
            Block b = below[size_t(e) * kFanOut];
            for (size_t i = size_t(e) * kFanOut + 1; i < end; ++i)
                b = {std::min(b.min, below[i].min), std::max(b.max, below[i].max)};
            level[size_t(e)] = b;
        }
    }
    m_validPoints = m_count;
}

std::pair<double, double> ChartSeriesData::treeEntry(size_t level, int index, int span) const
{
    updateSummary();
    // A short series has no level that high.
    if (level >= m_levels.size())
        return yRange(index * span, index * span + span - 1);
    const Block &b = m_levels[level][size_t(index)];
    return {b.min, b.max};
}

std::pair<double, double> ChartSeriesData::blockYRange(int block) const
{
    return treeEntry(1, block, kBlockSize);
}

std::pair<double, double> ChartSeriesData::groupYRange(int group) const
{
    return treeEntry(3, group, kGroupSize);
}

std::pair<double, double> ChartSeriesData::yRange(int first, int last) const
{
    first = std::max(first, 0);
    last = std::min(last, count() - 1);
    if (last < first)
        return {0.0, 0.0};
    double lo = 0.0;
    double hi = 0.0;
    // The points up to the first and after the last whole entry of the
    // level above, then the same one level up, until the rest lies within
    // a few entries.
    int a = first;
    int b = last;
    visitColumns([&](auto, auto y) {
        lo = hi = y[a];
        const auto take = [&](int i) {
            const double v = y[i];
            lo = std::min(lo, v);
            hi = std::max(hi, v);
        };
        while (a <= b && a % kLeafSize != 0)
            take(a++);
        while (a <= b && b % kLeafSize != kLeafSize - 1)
            take(b--);
    });
    if (a > b)
        return {lo, hi};
    updateSummary();
    a /= kLeafSize;
    b /= kLeafSize;
    for (size_t k = 0;; ++k) {
        const std::vector<Block> &level = m_levels[k];
        const auto take = [&](int e) {
            lo = std::min(lo, level[size_t(e)].min);
            hi = std::max(hi, level[size_t(e)].max);
        };
        if (k + 1 == m_levels.size() || b - a < kFanOut) {
            for (; a <= b; ++a)
                take(a);
            return {lo, hi};
        }
        while (a <= b && a % kFanOut != 0)
            take(a++);
        while (a <= b && b % kFanOut != kFanOut - 1)
            take(b--);
        if (a > b)
            return {lo, hi};
        a /= kFanOut;
        b /= kFanOut;
    }
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
