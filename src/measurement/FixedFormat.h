// Fast "#0.00" formatting of sample values straight into bytes.
#pragma once

#include <QByteArray>

namespace vorn::measurement::detail {

// Appends value as "#0.00" with the given ASCII separator: the same text as
// vorn::numfmt::formatFixed2(value, separator), without a QString for the
// ordinary values.
void appendFixed2(QByteArray &out, double value, char separator);

// Appends a non-negative integer in decimal.
void appendUnsigned(QByteArray &out, unsigned long long value);

} // namespace vorn::measurement::detail
