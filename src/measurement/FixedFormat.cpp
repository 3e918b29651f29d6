// "#0.00" for the writer's hot loop. Values far from a rounding tie are
// rounded on their binary product with 100, which is exact enough there; the
// rest (ties, huge values, infinities) go through the general formatter.
#include "FixedFormat.h"

#include "settings/NumberFormat.h"

#include <cmath>

namespace vorn::measurement::detail {

namespace {

char *writeUnsigned(char *p, unsigned long long value)
{
    char digits[20];
    int n = 0;
    do {
        digits[n++] = char('0' + value % 10);
        value /= 10;
    } while (value != 0);
    while (n > 0)
        *p++ = digits[--n];
    return p;
}

} // namespace

void appendUnsigned(QByteArray &out, unsigned long long value)
{
    char buffer[20];
    out.append(buffer, writeUnsigned(buffer, value) - buffer);
}

void appendFixed2(QByteArray &out, double value, char separator)
{
    const double magnitude = std::fabs(value);
    if (magnitude < 1e9) { // false for NaN too
        const double hundredths = magnitude * 100.0;
        const double whole = std::floor(hundredths);
        const double fraction = hundredths - whole;
        if (fraction < 0.4999 || fraction > 0.5001) {
            const auto n = static_cast<unsigned long long>(whole) + (fraction > 0.5 ? 1 : 0);
            char buffer[24];
            char *p = buffer;
            if (value < 0 && n != 0)
                *p++ = '-';
            p = writeUnsigned(p, n / 100);
            *p++ = separator;
            *p++ = char('0' + n % 100 / 10);
            *p++ = char('0' + n % 10);
            out.append(buffer, p - buffer);
            return;
        }
    }
    out.append(vorn::numfmt::formatFixed2(value, QChar::fromLatin1(separator)).toLatin1());
}

} // namespace vorn::measurement::detail
