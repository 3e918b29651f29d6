// Chart content, look, automatic ranges and layout bookkeeping.
#include "ChartModel.h"

#include <algorithm>
#include <limits>

namespace vorn::chart {

ChartModel::ChartModel()
{
    for (ChartAxis *a : {&m_left, &m_right, &m_bottom, &m_top})
        a->setHost(this);
    m_top.setVisible(false);
    m_titleFont = QFont(QStringLiteral("Arial"));
    m_titleFont.setPixelSize(15);
    m_titleFont.setBold(true);
    m_legendFont = QFont(QStringLiteral("Arial"));
    m_legendFont.setPixelSize(11);
}

ChartModel::~ChartModel() = default;

ChartAxis *ChartModel::axis(ChartAxis::Side side)
{
    switch (side) {
    case ChartAxis::Side::Left: return &m_left;
    case ChartAxis::Side::Right: return &m_right;
    case ChartAxis::Side::Bottom: return &m_bottom;
    case ChartAxis::Side::Top: return &m_top;
    }
    return &m_left;
}

void ChartModel::setDecimalSeparator(QChar separator)
{
    for (ChartAxis *a : {&m_left, &m_right, &m_bottom, &m_top})
        a->setDecimalSeparator(separator);
}

ChartSeries *ChartModel::addSeries(ChartAxis::Side verticalAxis)
{
    if (verticalAxis != ChartAxis::Side::Right)
        verticalAxis = ChartAxis::Side::Left;
    m_series.push_back(std::make_unique<ChartSeries>(this, &m_bottom, axis(verticalAxis)));
    changed(ChartChange::Data);
    return m_series.back().get();
}

void ChartModel::setBackgroundColor(const QColor &color)
{
    if (color == m_background)
        return;
    m_background = color;
    changed(ChartChange::Repaint);
}

void ChartModel::setTitle(const QString &title)
{
    if (title == m_title)
        return;
    m_title = title;
    changed(ChartChange::Layout);
}

void ChartModel::setTitleVisible(bool visible)
{
    if (visible == m_titleVisible)
        return;
    m_titleVisible = visible;
    changed(ChartChange::Layout);
}

void ChartModel::setLegendVisible(bool visible)
{
    if (visible == m_legendVisible)
        return;
    m_legendVisible = visible;
    changed(ChartChange::Layout);
}

void ChartModel::setMargins(const QMargins &percent)
{
    if (percent == m_margins)
        return;
    m_margins = percent;
    changed(ChartChange::Layout);
}

void ChartModel::setBevelled(bool bevelled)
{
    if (bevelled == m_bevelled)
        return;
    m_bevelled = bevelled;
    changed(ChartChange::Layout);
}

void ChartModel::setMonochrome(bool monochrome)
{
    if (monochrome == m_monochrome)
        return;
    m_monochrome = monochrome;
    changed(ChartChange::Repaint);
}

void ChartModel::setChartSize(QSize size)
{
    size = size.expandedTo(QSize(1, 1));
    if (size == m_size)
        return;
    m_size = size;
    changed(ChartChange::Layout);
}

QRect ChartModel::plotRect()
{
    ensureLayout();
    return m_layout.plotRect;
}

const ChartLayoutResult &ChartModel::chartLayout()
{
    ensureLayout();
    return m_layout;
}

void ChartModel::chartChanged(ChartChange change)
{
    if (change == ChartChange::Data) {
        // Only automatic axes follow the data.
        const bool anyAutomatic = m_left.isAutomatic() || m_right.isAutomatic()
                                  || m_bottom.isAutomatic() || m_top.isAutomatic();
        if (anyAutomatic) {
            m_rangesDirty = true;
            m_layoutDirty = true;
        }
    } else if (change == ChartChange::Layout) {
        m_layoutDirty = true;
    }
    onChartChanged(change);
}

void ChartModel::ensureLayout()
{
    if (!m_layoutDirty || m_inLayout)
        return;
    m_inLayout = true;
    if (m_rangesDirty)
        updateAutomaticRanges();
    m_layout = computeChartLayout(*this, m_size);
    m_layoutDirty = false;
    m_inLayout = false;
}

std::pair<double, double> ChartModel::dataRange(const ChartAxis &axis) const
{
    double lo = std::numeric_limits<double>::infinity();
    double hi = -lo;
    for (const auto &s : m_series) {
        if (!s->isActive() || s->count() == 0)
            continue;
        const bool horizontal = s->horizontalAxis() == &axis;
        if (!horizontal && s->verticalAxis() != &axis)
            continue;
        const auto range = horizontal ? s->data().xExtent() : s->data().yExtent();
        lo = std::min(lo, range.first);
        hi = std::max(hi, range.second);
    }
    if (lo > hi)
        return {0.0, 1.0};
    return {lo, hi};
}

void ChartModel::updateAutomaticRanges()
{
    for (ChartAxis *a : {&m_left, &m_right, &m_bottom}) {
        if (a->isAutomatic()) {
            const auto [lo, hi] = dataRange(*a);
            a->setAutomaticRange(lo, hi);
        }
    }
    if (m_top.isAutomatic())
        m_top.setAutomaticRange(m_bottom.minimum(), m_bottom.maximum());
    m_rangesDirty = false;
}

ChartModel::SizeScope::SizeScope(ChartModel &model, QSize size)
    : m_model(model)
    , m_saved(model.m_size)
{
    ++m_model.m_sizeScopes;
    if (size == m_saved)
        return;
    m_model.m_size = size.expandedTo(QSize(1, 1));
    m_model.m_layoutDirty = true;
}

ChartModel::SizeScope::~SizeScope()
{
    --m_model.m_sizeScopes;
    if (m_model.m_size == m_saved)
        return;
    m_model.m_size = m_saved;
    m_model.m_layoutDirty = true;
}

} // namespace vorn::chart
