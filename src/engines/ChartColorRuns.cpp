// Per-point series colours kept as spans, read as runs of equal colour.
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
    // The last span starting at or before index.
    const auto after = std::upper_bound(m_spans.begin(), m_spans.end(), index,
                                        [](int i, const ColorRun &span) { return i < span.start; });
    if (after == m_spans.begin())
        return 0;
    const ColorRun &span = *(after - 1);
    return index <= span.end ? span.color : 0;
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
    m_runsCount = -1;
    const QRgb value = encode(color);
    // The spans touching [first - 1, last + 1]: overlapped ones are cut back,
    // touching ones of the same colour merged.
    auto begin = std::lower_bound(m_spans.begin(), m_spans.end(), first - 1,
                                  [](const ColorRun &span, int i) { return span.end < i; });
    auto end = std::upper_bound(begin, m_spans.end(), last + 1,
                                [](int i, const ColorRun &span) { return i < span.start; });
    std::vector<ColorRun> replacement;
    ColorRun added{first, last, value};
    for (auto it = begin; it != end; ++it) {
        if (it->color == value && value != 0) {
            added.start = std::min(added.start, it->start);
            added.end = std::max(added.end, it->end);
            continue;
        }
        if (it->start < first)
            replacement.push_back({it->start, std::min(it->end, first - 1), it->color});
        if (it->end > last)
            replacement.push_back({std::max(it->start, last + 1), it->end, it->color});
    }
    if (value != 0)
        replacement.push_back(added);
    std::sort(replacement.begin(), replacement.end(),
              [](const ColorRun &a, const ColorRun &b) { return a.start < b.start; });
    const auto at = m_spans.erase(begin, end);
    m_spans.insert(at, replacement.begin(), replacement.end());
}

void ChartColorRuns::clear()
{
    m_spans.clear();
    m_spans.shrink_to_fit();
    m_runsCount = -1;
}

const std::vector<ColorRun> &ChartColorRuns::runs(int count) const
{
    if (m_runsCount == count)
        return m_runs;
    m_runs.clear();
    const auto add = [this](int start, int end, QRgb color) {
        if (!m_runs.empty() && m_runs.back().color == color && m_runs.back().end + 1 == start)
            m_runs.back().end = end;
        else
            m_runs.push_back({start, end, color});
    };
    int next = 0;
    for (const ColorRun &span : m_spans) {
        if (span.start >= count)
            break;
        if (span.start > next)
            add(next, span.start - 1, 0);
        add(span.start, std::min(span.end, count - 1), span.color);
        next = span.end + 1;
    }
    if (next < count)
        add(next, count - 1, 0);
    m_runsCount = count;
    return m_runs;
}

} // namespace vorn::chart
