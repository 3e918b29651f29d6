// "#0.00" for the writer's hot loop. Values far from a rounding tie are
// rounded on their binary product with 100, which is exact enough there; the
// rest (ties, huge values, infinities) go through the general formatter.
#include "FixedFormat.h"

#include "settings/NumberFormat.h"

#include <cmath>
#include <cstring>

namespace vorn::measurement::detail {

char *writeUnsigned(char *out, unsigned long long value)
{
    static constexpr char kPairs[] = "00010203040506070809101112131415161718192021222324"
                                     "25262728293031323334353637383940414243444546474849"
                                     "50515253545556575859606162636465666768697071727374"
                                     "75767778798081828384858687888990919293949596979899";
    char digits[20];
    char *p = digits + sizeof digits;
    while (value >= 100) {
        p -= 2;
        std::memcpy(p, kPairs + 2 * (value % 100), 2);
        value /= 100;
    }
    if (value >= 10) {
        p -= 2;
        std::memcpy(p, kPairs + 2 * value, 2);
    } else {
        *--p = char('0' + value);
    }
    const size_t n = size_t(digits + sizeof digits - p);
    std::memcpy(out, p, n);
    return out + n;
}

char *writeFixed2(char *out, double value, char separator)
{
    const double magnitude = std::fabs(value);
    if (!(magnitude < 1e9)) // NaN too
        return nullptr;
    const double hundredths = magnitude * 100.0;
    const double whole = std::floor(hundredths);
    const double fraction = hundredths - whole;
    if (fraction >= 0.4999 && fraction <= 0.5001)
        return nullptr;
    const auto n = static_cast<unsigned long long>(whole) + (fraction > 0.5 ? 1 : 0);
    if (value < 0 && n != 0)
        *out++ = '-';
    out = writeUnsigned(out, n / 100);
    *out++ = separator;
    *out++ = char('0' + n % 100 / 10);
    *out++ = char('0' + n % 10);
    return out;
}

void appendFixed2(QByteArray &out, double value, char separator)
{
    char buffer[16];
    if (const char *end = writeFixed2(buffer, value, separator))
        out.append(buffer, end - buffer);
    else
        out.append(vorn::numfmt::formatFixed2(value, QChar::fromLatin1(separator)).toLatin1());
}

} // namespace vorn::measurement::detail
