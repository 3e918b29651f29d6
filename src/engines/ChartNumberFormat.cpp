// Axis label number patterns.
#include "ChartNumberFormat.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace vorn::chart {

namespace {
constexpr int kMaxDecimals = 15;
}

ChartNumberFormat::ChartNumberFormat()
    : ChartNumberFormat(QStringLiteral("0.###"))
{
}

ChartNumberFormat::ChartNumberFormat(const QString &pattern, QChar decimalSeparator)
    : m_separator(decimalSeparator)
{
    setPattern(pattern);
}

void ChartNumberFormat::setPattern(const QString &pattern)
{
    m_pattern = pattern;
    const qsizetype point = pattern.indexOf(u'.');
    const QString integerPart = point < 0 ? pattern : pattern.left(point);
    const QString decimalPart = point < 0 ? QString() : pattern.mid(point + 1);
    m_minIntegerDigits = std::max<qsizetype>(1, integerPart.count(u'0'));
    m_minDecimals = int(std::min<qsizetype>(kMaxDecimals, decimalPart.count(u'0')));
    m_maxDecimals = int(std::min<qsizetype>(kMaxDecimals, decimalPart.count(u'0') + decimalPart.count(u'#')));
}

double ChartNumberFormat::resolution() const
{
    return std::pow(10.0, -m_maxDecimals);
}

QString ChartNumberFormat::format(double value) const
{
    if (!std::isfinite(value))
        return QString();
    char buf[400];
    std::snprintf(buf, sizeof buf, "%.*f", m_maxDecimals, value);
    QString text = QString::fromLatin1(buf);
    const bool negative = text.startsWith(u'-');
    if (negative)
        text.remove(0, 1);
    qsizetype point = text.indexOf(u'.');
    if (point >= 0) {
        qsizetype keep = text.size();
        while (keep > point + 1 + m_minDecimals && text.at(keep - 1) == u'0')
            --keep;
        if (keep == point + 1)
            keep = point; // no decimals left: drop the point too
        text.truncate(keep);
    }
    point = text.indexOf(u'.');
    const qsizetype integerDigits = point < 0 ? text.size() : point;
    if (integerDigits < m_minIntegerDigits)
        text.prepend(QString(m_minIntegerDigits - integerDigits, u'0'));
    const bool allZero = std::all_of(text.cbegin(), text.cend(),
                                     [](QChar c) { return c == u'0' || c == u'.'; });
    if (point >= 0)
        text.replace(text.indexOf(u'.'), 1, m_separator);
    if (negative && !allZero)
        text.prepend(u'-');
    return text;
}

} // namespace vorn::chart
