// Fast "#0.00" formatting of sample values straight into bytes.
#pragma once

#include <QByteArray>

namespace vorn::measurement::detail {

// Writes value as "#0.00" with the given ASCII separator to out (room for 16
// bytes) and returns the end, for the ordinary values: magnitudes below 1e9
// not within 0.0001 of a rounding tie. nullptr for the rest, which
// appendFixed2() formats.
char *writeFixed2(char *out, double value, char separator);

// Appends value as "#0.00": the same text as
// vorn::numfmt::formatFixed2(value, separator).
void appendFixed2(QByteArray &out, double value, char separator);

// Writes a non-negative integer in decimal (up to 20 bytes) and returns the end.
char *writeUnsigned(char *out, unsigned long long value);

} // namespace vorn::measurement::detail
