// Chart axis state and value/pixel conversion.
#include "ChartAxis.h"

#include <cmath>
#include <utility>

namespace vorn::chart {

namespace {

QFont defaultFont(bool bold)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11); // 8 pt at 96 dpi
    font.setBold(bold);
    return font;
}

} // namespace

ChartAxis::ChartAxis(Side side)
    : m_side(side)
    , m_labelFont(defaultFont(false))
    , m_titleFont(defaultFont(true))
{
}

void ChartAxis::notify(ChartChange change)
{
    if (m_host)
        m_host->chartChanged(change);
}

void ChartAxis::ensureLayout() const
{
    if (m_host)
        m_host->ensureLayout();
}

double ChartAxis::minimum() const
{
    if (m_automatic)
        ensureLayout();
    return m_min;
}

double ChartAxis::maximum() const
{
    if (m_automatic)
        ensureLayout();
    return m_max;
}

void ChartAxis::setMinimum(double value)
{
    if (!std::isfinite(value))
        return;
    const double current = maximum();
    setRange(value, current);
}

void ChartAxis::setMaximum(double value)
{
    if (!std::isfinite(value))
        return;
    const double current = minimum();
    setRange(current, value);
}

void ChartAxis::setRange(double minimum, double maximum)
{
    if (!std::isfinite(minimum) || !std::isfinite(maximum))
        return;
    if (minimum > maximum)
        std::swap(minimum, maximum);
    if (!m_automatic && minimum == m_min && maximum == m_max)
        return;
    m_automatic = false;
    m_min = minimum;
    m_max = maximum;
    notify(ChartChange::Layout);
}

void ChartAxis::setAutomatic(bool automatic)
{
    if (automatic == m_automatic)
        return;
    m_automatic = automatic;
    notify(ChartChange::Data);
}

void ChartAxis::setAutomaticRange(double minimum, double maximum)
{
    m_min = minimum;
    m_max = maximum;
}

void ChartAxis::setIncrement(double increment)
{
    if (!std::isfinite(increment) || increment < 0.0)
        increment = 0.0;
    if (increment == m_increment)
        return;
    m_increment = increment;
    notify(ChartChange::Layout);
}

void ChartAxis::setLabelFormat(const QString &pattern)
{
    if (pattern == m_format.pattern())
        return;
    m_format.setPattern(pattern);
    notify(ChartChange::Layout);
}

void ChartAxis::setDecimalSeparator(QChar separator)
{
    if (separator == m_format.decimalSeparator())
        return;
    m_format.setDecimalSeparator(separator);
    notify(ChartChange::Layout);
}

void ChartAxis::setLabelFont(const QFont &font)
{
    if (font == m_labelFont)
        return;
    m_labelFont = font;
    notify(ChartChange::Layout);
}

void ChartAxis::setLabelColor(const QColor &color)
{
    if (color == m_labelColor)
        return;
    m_labelColor = color;
    notify(ChartChange::Repaint);
}

void ChartAxis::setLabelsVisible(bool visible)
{
    if (visible == m_labelsVisible)
        return;
    m_labelsVisible = visible;
    notify(ChartChange::Layout);
}

void ChartAxis::setTitle(const QString &title)
{
    if (title == m_title)
        return;
    m_title = title;
    notify(ChartChange::Layout);
}

void ChartAxis::setTitleColor(const QColor &color)
{
    if (color == m_titleColor)
        return;
    m_titleColor = color;
    notify(ChartChange::Repaint);
}

void ChartAxis::setTitleFont(const QFont &font)
{
    if (font == m_titleFont)
        return;
    m_titleFont = font;
    notify(ChartChange::Layout);
}

void ChartAxis::setVisible(bool visible)
{
    if (visible == m_visible)
        return;
    m_visible = visible;
    notify(ChartChange::Layout);
}

void ChartAxis::setGridVisible(bool visible)
{
    if (visible == m_gridVisible)
        return;
    m_gridVisible = visible;
    notify(ChartChange::Repaint);
}

void ChartAxis::setGridColor(const QColor &color)
{
    if (color == m_gridColor)
        return;
    m_gridColor = color;
    notify(ChartChange::Repaint);
}

void ChartAxis::setPixelSpan(int start, int end)
{
    m_start = start;
    m_end = end;
}

int ChartAxis::startPixel() const
{
    ensureLayout();
    return m_start;
}

int ChartAxis::endPixel() const
{
    ensureLayout();
    return m_end;
}

AxisMapping ChartAxis::mappingNoLayout() const
{
    AxisMapping map;
    map.start = m_start;
    map.end = m_end;
    map.vertical = isVertical();
    double low = m_min;
    double span = m_max - m_min;
    if (!(span > 0.0) || !std::isfinite(span)) {
        low = m_min - 0.5;
        span = 1.0;
    }
    const int length = std::max(1, m_end - m_start);
    if (!std::isfinite(length / span)) { // a range too narrow to tell apart
        low = m_min - 0.5;
        span = 1.0;
    }
    map.low = low;
    map.scale = length / span;
    return map;
}

AxisMapping ChartAxis::mapping() const
{
    ensureLayout();
    return mappingNoLayout();
}

int ChartAxis::valueToPixel(double value) const
{
    return mapping().toPixel(value);
}

double ChartAxis::valueToPixelF(double value) const
{
    return mapping().toPixelF(value);
}

double ChartAxis::pixelToValue(double pixel) const
{
    return mapping().toValue(pixel);
}

} // namespace vorn::chart
