// Number patterns for axis labels ("0.##", "#0.00", "0.###") with a settable
// decimal separator.
#pragma once

#include <QChar>
#include <QString>

namespace vorn::chart {

// A label pattern: '0' is a digit that is always shown, '#' a digit shown only
// when it is not a trailing zero. "0.##" shows at most two decimals without
// trailing zeros (1.5 -> "1,5", 2 -> "2", 0.125 -> "0,13" with ","). Digits
// before the point are never dropped; there is no thousands grouping. A value
// that rounds to zero is shown without a minus sign.
class ChartNumberFormat
{
public:
    ChartNumberFormat();
    explicit ChartNumberFormat(const QString &pattern, QChar decimalSeparator = QChar(u'.'));

    QString pattern() const { return m_pattern; }
    void setPattern(const QString &pattern);
    QChar decimalSeparator() const { return m_separator; }
    void setDecimalSeparator(QChar separator) { m_separator = separator; }

    int minDecimals() const { return m_minDecimals; }
    int maxDecimals() const { return m_maxDecimals; }
    // The smallest step the pattern can tell apart: 10^-maxDecimals.
    double resolution() const;

    QString format(double value) const;

private:
    QString m_pattern;
    QChar m_separator;
    int m_minIntegerDigits = 1;
    int m_minDecimals = 0;
    int m_maxDecimals = 0;
};

} // namespace vorn::chart
