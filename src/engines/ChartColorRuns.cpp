// Per-point series colours kept as an array, read as runs of equal colour.
#include "ChartColorRuns.h"

#include <algorithm>

namespace vorn::chart {

QRgb ChartColorRuns::encode(const QColor &color)
{
    // 0 is reserved for "series colour"; a fully transparent colour draws
    // nothing anyway, so an invalid colour maps there too.
    if (!color.isValid())
        return 0;
    const QRgb rgba = color.rgba();
    return rgba == 0 ? 0 : rgba;
}

QRgb ChartColorRuns::rawColor(int index) const
{
    if (index < 0 || size_t(index) >= m_colors.size())
        return 0;
    return m_colors[size_t(index)];
}

void ChartColorRuns::setColor(int index, const QColor &color)
{
    fill(index, index, color);
}

void ChartColorRuns::fill(int first, int last, const QColor &color)
{
    first = std::max(first, 0);
    if (last < first)
        return;
    const QRgb value = encode(color);
    if (m_colors.size() <= size_t(last))
        m_colors.resize(size_t(last) + 1, 0);
    std::fill(m_colors.begin() + first, m_colors.begin() + last + 1, value);
    m_runsCount = -1;
}

void ChartColorRuns::clear()
{
    m_colors.clear();
    m_colors.shrink_to_fit();
    m_runsCount = -1;
}

const std::vector<ColorRun> &ChartColorRuns::runs(int count) const
{
    if (m_runsCount == count)
        return m_runs;
    m_runs.clear();
    const int colored = std::min(count, int(m_colors.size()));
    int start = 0;
    while (start < colored) {
        const QRgb color = m_colors[size_t(start)];
        const auto endIt = std::find_if(m_colors.begin() + start + 1, m_colors.begin() + colored,
                                        [color](QRgb c) { return c != color; });
        const int end = int(endIt - m_colors.begin()) - 1;
        m_runs.push_back({start, end, color});
        start = end + 1;
    }
    if (colored < count) {
        if (!m_runs.empty() && m_runs.back().color == 0)
            m_runs.back().end = count - 1;
        else
            m_runs.push_back({colored, count - 1, 0});
    }
    m_runsCount = count;
    return m_runs;
}

} // namespace vorn::chart
