// Number formatting and parsing with the program-wide decimal separator.
#include "NumberFormat.h"

#include <QLocale>
#include <fast_float/fast_float.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

namespace vorn::numfmt {

namespace {

QChar g_separator = QLocale::system().decimalPoint().size() == 1
                        ? QLocale::system().decimalPoint().at(0)
                        : QChar(u'.');

// The value's decimal digits rounded to 15 significant digits: value =
// 0.d1d2d3... x 10^exponent10 (digits without trailing zeros, "0" for zero).
struct Decimal15 {
    bool negative = false;
    std::string digits;
    int exponent10 = 0; // position of the decimal point relative to digits
};

Decimal15 toDecimal15(double value)
{
    Decimal15 d;
    d.negative = std::signbit(value);
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.14e", std::fabs(value));
    // buf: "d.dddddddddddddde[+-]xx"
    const char *e = std::strchr(buf, 'e');
    d.digits.push_back(buf[0]);
    d.digits.append(buf + 2, size_t(e - (buf + 2)));
    const int exp = std::atoi(e + 1);
    while (d.digits.size() > 1 && d.digits.back() == '0')
        d.digits.pop_back();
    d.exponent10 = exp + 1;
    if (d.digits == "0")
        d.exponent10 = 0;
    return d;
}

// Rounds |value| x 100 to a whole number, half away from zero, on the
// 15-significant-digit decimal form of the value.
unsigned long long hundredthsRounded(double magnitude)
{
    if (magnitude < 1e9) {
        const double x = magnitude * 100.0;
        const double whole = std::floor(x);
        const double frac = x - whole;
        // Away from a tie the binary product is exact enough; near a tie the
        // decimal form decides (2.675 is stored as 2.67499999...).
        if (frac < 0.4999 || frac > 0.5001)
            return static_cast<unsigned long long>(whole) + (frac > 0.5 ? 1 : 0);
    }
    const Decimal15 d = toDecimal15(magnitude);
    // Digits before the rounding position: exponent10 + 2.
    const int keep = d.exponent10 + 2;
    if (keep < 0)
        return 0;
    unsigned long long n = 0;
    for (int i = 0; i < keep; ++i)
        n = n * 10 + (i < int(d.digits.size()) ? unsigned(d.digits[i] - '0') : 0u);
    if (keep < int(d.digits.size()) && d.digits[keep] >= '5')
        ++n;
    return n;
}

QString nonFinite(double value)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
}

bool isBlank(char16_t c) { return c == u' ' || c == u'\t'; }

} // namespace

QChar decimalSeparator() { return g_separator; }
void setDecimalSeparator(QChar separator) { g_separator = separator; }

QChar regionalSeparator()
{
    const QString point = QLocale::system().decimalPoint();
    return point.size() == 1 ? point.at(0) : QChar(u'.');
}

void useRegionalSeparator() { g_separator = regionalSeparator(); }
void useComma() { g_separator = QChar(u','); }

QString formatFixed2(double value) { return formatFixed2(value, g_separator); }

QString formatFixed2(double value, QChar separator)
{
    if (!std::isfinite(value))
        return nonFinite(value);
    const unsigned long long n = hundredthsRounded(std::fabs(value));
    QString text;
    if (value < 0 && n != 0)
        text += u'-';
    text += QString::number(n / 100);
    text += separator;
    const unsigned cents = unsigned(n % 100);
    text += QChar(u'0' + cents / 10);
    text += QChar(u'0' + cents % 10);
    return text;
}

QString formatCharge(double value)
{
    QString text = formatFixed2(value);
    if (text.endsWith(u'0') && text.size() >= 2 && text.at(text.size() - 2).isDigit()
        && text.at(text.size() - 3) == g_separator)
        text.chop(1);
    return text;
}

QString formatGeneral(double value) { return formatGeneral(value, g_separator); }

QString formatGeneral(double value, QChar separator)
{
    if (!std::isfinite(value))
        return nonFinite(value);
    if (value == 0.0)
        return QStringLiteral("0");
    const Decimal15 d = toDecimal15(value);
    QString text;
    if (d.negative)
        text += u'-';
    const int scientificExponent = d.exponent10 - 1; // value = d.ddd x 10^this
    if (scientificExponent < -5 || scientificExponent >= 15) {
        text += QLatin1Char(d.digits[0]);
        if (d.digits.size() > 1) {
            text += separator;
            text += QLatin1String(d.digits.data() + 1, qsizetype(d.digits.size() - 1));
        }
        text += u'E';
        text += QString::number(scientificExponent);
        return text;
    }
    const int pointAt = d.exponent10; // digits before the decimal point
    if (pointAt <= 0) {
        text += u'0';
        text += separator;
        text += QString(-pointAt, u'0');
        text += QLatin1String(d.digits.data(), qsizetype(d.digits.size()));
        return text;
    }
    for (int i = 0; i < pointAt; ++i)
        text += QLatin1Char(i < int(d.digits.size()) ? d.digits[i] : '0');
    if (pointAt < int(d.digits.size())) {
        text += separator;
        text += QLatin1String(d.digits.data() + pointAt, qsizetype(d.digits.size()) - pointAt);
    }
    return text;
}

QString formatInt(qint64 value) { return QString::number(value); }

template<typename Char>
static std::optional<int> parseIntImpl(const Char *p, const Char *end)
{
    while (p != end && (*p == ' ' || *p == '\t'))
        ++p;
    bool negative = false;
    if (p != end && (*p == '+' || *p == '-')) {
        negative = *p == '-';
        ++p;
    }
    if (p == end)
        return std::nullopt;
    long long n = 0;
    for (; p != end; ++p) {
        if (*p < '0' || *p > '9')
            return std::nullopt;
        n = n * 10 + (*p - '0');
        if (n > 2147483648LL)
            return std::nullopt;
    }
    if (negative)
        n = -n;
    if (n > 2147483647LL)
        return std::nullopt;
    return int(n);
}

std::optional<int> parseInt(QStringView text)
{
    return parseIntImpl(text.utf16(), text.utf16() + text.size());
}

std::optional<int> parseInt(QByteArrayView text)
{
    return parseIntImpl(text.data(), text.data() + text.size());
}

std::optional<double> parseFloat(QByteArrayView text, char separator)
{
    const char *p = text.data();
    const char *end = p + text.size();
    while (p != end && (*p == ' ' || *p == '\t'))
        ++p;
    while (end != p && (end[-1] == ' ' || end[-1] == '\t'))
        --end;
    bool negative = false;
    if (p != end && (*p == '+' || *p == '-')) {
        negative = *p == '-';
        ++p;
    }
    // A number starts with a digit or the separator: this keeps out "inf",
    // "nan", a second sign and a bare exponent.
    if (p == end || !((*p >= '0' && *p <= '9') || *p == separator))
        return std::nullopt;
    double value = 0;
    const fast_float::parse_options options(fast_float::chars_format::general, separator);
    const auto result = fast_float::from_chars_advanced(p, end, value, options);
    if (result.ec != std::errc() || result.ptr != end)
        return std::nullopt;
    return negative ? -value : value;
}

std::optional<double> parseFloat(QStringView text) { return parseFloat(text, g_separator); }

std::optional<double> parseFloat(QStringView text, QChar separator)
{
    // Numbers are ASCII apart from the separator itself, which may be any
    // character in a user's locale; it is mapped to one byte for the parser.
    constexpr char kMappedSeparator = '\x1f';
    const bool asciiSeparator = separator.unicode() < 0x80;
    std::array<char, 64> small;
    std::string large;
    char *out = small.data();
    if (text.size() > qsizetype(small.size())) {
        large.resize(size_t(text.size()));
        out = large.data();
    }
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c == separator.unicode())
            out[i] = asciiSeparator ? char(c) : kMappedSeparator;
        else if (c >= 0x20 && c < 0x80)
            out[i] = char(c);
        else if (isBlank(c))
            out[i] = ' ';
        else
            return std::nullopt;
    }
    return parseFloat(QByteArrayView(out, text.size()),
                      asciiSeparator ? char(separator.unicode()) : kMappedSeparator);
}

} // namespace vorn::numfmt
