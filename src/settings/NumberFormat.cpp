// Number formatting and parsing with the program-wide decimal separator.
#include "NumberFormat.h"

#include <QLocale>
#include <fast_float/fast_float.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

namespace vorn::numfmt {

namespace {

QChar systemSeparator()
{
    const QString point = QLocale::system().decimalPoint();
    return point.size() == 1 ? point.at(0) : QChar(u'.');
}

// The separator in force, taken from the locale on first use.
QChar &separatorInForce()
{
    static QChar separator = systemSeparator();
    return separator;
}

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

// Increments a string of decimal digits by one ("199" -> "200", "99" -> "100").
void incrementDigits(std::string &digits)
{
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits = '1' + digits;
}

// The digits of |value| x 100 rounded to a whole number, half away from zero
// on the 15-significant-digit decimal form of the value ("0" at least).
std::string hundredthsRounded(double magnitude)
{
    if (magnitude < 1e9) {
        const double x = magnitude * 100.0;
        const double whole = std::floor(x);
        const double frac = x - whole;
        // Away from a tie the binary product is exact enough; near a tie the
        // decimal form decides (2.675 is stored as 2.67499999...).
        if (frac < 0.4999 || frac > 0.5001)
            return std::to_string(static_cast<unsigned long long>(whole) + (frac > 0.5 ? 1 : 0));
    }
    const Decimal15 d = toDecimal15(magnitude);
    // Digits before the rounding position: exponent10 + 2.
    const int keep = d.exponent10 + 2;
    if (keep < 0)
        return "0";
    std::string n(size_t(std::max(keep, 1)), '0');
    for (int i = 0; i < keep && i < int(d.digits.size()); ++i)
        n[size_t(i)] = d.digits[size_t(i)];
    if (keep < int(d.digits.size()) && d.digits[size_t(keep)] >= '5')
        incrementDigits(n);
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

QChar decimalSeparator() { return separatorInForce(); }
void setDecimalSeparator(QChar separator) { separatorInForce() = separator; }

QChar regionalSeparator() { return systemSeparator(); }

void useRegionalSeparator() { separatorInForce() = regionalSeparator(); }
void useComma() { separatorInForce() = QChar(u','); }

QString formatFixed2(double value) { return formatFixed2(value, separatorInForce()); }

QString formatFixed2(double value, QChar separator)
{
    if (!std::isfinite(value))
        return nonFinite(value);
    std::string n = hundredthsRounded(std::fabs(value));
    if (n.size() < 3)
        n.insert(0, 3 - n.size(), '0');
    QString text;
    if (value < 0 && n.find_first_not_of('0') != std::string::npos)
        text += u'-';
    text += QLatin1String(n.data(), qsizetype(n.size()) - 2);
    text += separator;
    text += QLatin1String(n.data() + n.size() - 2, 2);
    return text;
}

QString formatCharge(double value) { return formatCharge(value, separatorInForce()); }

QString formatCharge(double value, QChar separator)
{
    QString text = formatFixed2(value, separator);
    // "#0.00" always ends in two decimals; a second decimal of 0 is dropped.
    if (std::isfinite(value) && text.endsWith(u'0'))
        text.chop(1);
    return text;
}

QString formatGeneral(double value) { return formatGeneral(value, separatorInForce()); }

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
    // fast_float gives infinity for an exponent beyond the double range.
    if (result.ec != std::errc() || result.ptr != end || !std::isfinite(value))
        return std::nullopt;
    return negative ? -value : value;
}

std::optional<double> parseFloat(QStringView text) { return parseFloat(text, separatorInForce()); }

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
