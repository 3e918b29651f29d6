// InitVar: one text line of a measurement file applied to the record.
#include "LineParser.h"

#include "TextLines.h"
#include "settings/NumberFormat.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>

namespace vorn::measurement::detail {

namespace numfmt = vorn::numfmt;

namespace {

// ---------------------------------------------------------------- numbers

// The sample fields of files are plain digits and a decimal separator. Such
// text is converted here directly, to the same values the general parsers
// give; anything else goes to them.
constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7,
                                   1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

// 1 to 9 digits and nothing else.
std::optional<int> plainIndex(const char *b, const char *e)
{
    if (b == e || e - b > 9)
        return std::nullopt;
    int n = 0;
    for (; b != e; ++b) {
        if (*b < '0' || *b > '9')
            return std::nullopt;
        n = n * 10 + (*b - '0');
    }
    return n;
}

// Digits, optionally a separator and more digits, 15 digits at most, from p
// up to the first other character. The digits as an integer and the power
// of ten are both exact doubles, so their quotient is the correctly rounded
// value, as the general parser's is. Returns where the number ends, or
// nullptr when there is no such number.
inline const char *plainNumber(const char *p, const char *e, char separator, double &value)
{
    const char *const begin = p;
    uint64_t mantissa = 0;
    for (; p != e && unsigned(*p - '0') < 10; ++p)
        mantissa = mantissa * 10 + unsigned(*p - '0');
    const ptrdiff_t wholeDigits = p - begin;
    ptrdiff_t decimals = 0;
    if (p != e && *p == separator) {
        const char *const fraction = ++p;
        for (; p != e && unsigned(*p - '0') < 10; ++p)
            mantissa = mantissa * 10 + unsigned(*p - '0');
        decimals = p - fraction;
        if (decimals == 0)
            return nullptr;
    }
    if (wholeDigits == 0 || wholeDigits + decimals > 15)
        return nullptr;
    value = double(mantissa) / kPowersOfTen[decimals];
    return p;
}

// A whole field that is a plain number.
std::optional<double> plainDecimal(const char *b, const char *e, char separator)
{
    double value = 0;
    if (plainNumber(b, e, separator, value) != e)
        return std::nullopt;
    return value;
}

std::optional<int> toInt(const char *b, const char *e)
{
    if (const std::optional<int> n = plainIndex(b, e))
        return n;
    return numfmt::parseInt(QByteArrayView(b, e - b));
}

std::optional<int> toInt(const char16_t *b, const char16_t *e)
{
    return numfmt::parseInt(QStringView(b, e - b));
}

std::optional<double> toDouble(const char *b, const char *e, QChar separator)
{
    if (const std::optional<double> x = plainDecimal(b, e, char(separator.unicode())))
        return x;
    return numfmt::parseFloat(QByteArrayView(b, e - b), char(separator.unicode()));
}

std::optional<double> toDouble(const char16_t *b, const char16_t *e, QChar separator)
{
    return numfmt::parseFloat(QStringView(b, e - b), separator);
}

// The current field with every "-" removed: the sign only tells the
// direction, which the caller has already taken from the first character.
template<typename Ch>
std::optional<double> magnitude(const Ch *b, const Ch *e, QChar separator)
{
    while (b != e && *b == Ch('-'))
        ++b;
    if (std::find(b, e, Ch('-')) == e)
        return toDouble(b, e, separator);
    std::basic_string<Ch> kept;
    kept.reserve(size_t(e - b));
    std::copy_if(b, e, std::back_inserter(kept), [](Ch c) { return c != Ch('-'); });
    return toDouble(kept.data(), kept.data() + kept.size(), separator);
}

// ---------------------------------------------------------------- markers

// True when line, with its ASCII letters upper-cased, contains marker.
bool containsUpperAscii(QStringView line, QLatin1StringView marker)
{
    const qsizetype n = marker.size();
    for (qsizetype i = 0; i + n <= line.size(); ++i) {
        qsizetype k = 0;
        for (; k < n; ++k) {
            char16_t c = line[i + k].unicode();
            if (c >= u'a' && c <= u'z')
                c = char16_t(c - (u'a' - u'A'));
            if (c != char16_t(marker[k].unicode()))
                break;
        }
        if (k == n)
            return true;
    }
    return false;
}

// ---------------------------------------------------------------- tags

// The value of a tag: the line from the character after the tag's length
// on, whatever column the tag was found in, with TAB, CR and LF removed.
QString cleanedValue(QStringView line, qsizetype tagLength)
{
    QString value;
    if (tagLength >= line.size())
        return value;
    value.reserve(line.size() - tagLength);
    for (QChar c : line.sliced(tagLength)) {
        if (c != u'\t' && c != u'\r' && c != u'\n')
            value += c;
    }
    return value;
}

QString without(QStringView text, QStringView removed)
{
    QString kept;
    for (QChar c : text) {
        if (!removed.contains(c))
            kept += c;
    }
    return kept;
}

using Apply = bool (*)(TFile_Datas &, QStringView value, QChar separator);

template<QString TFile_Datas::*Field>
bool setText(TFile_Datas &r, QStringView value, QChar)
{
    r.*Field = value.toString();
    return true;
}

template<int32_t TFile_Datas::*Field>
bool setInt(TFile_Datas &r, QStringView value, QChar)
{
    const std::optional<int> n = numfmt::parseInt(value);
    if (n)
        r.*Field = *n;
    return n.has_value();
}

template<double TFile_Datas::*Field>
bool setDouble(TFile_Datas &r, QStringView value, QChar separator)
{
    const std::optional<double> x = numfmt::parseFloat(value, separator);
    if (x)
        r.*Field = *x;
    return x.has_value();
}

bool setDeltaM(TFile_Datas &r, QStringView value, QChar)
{
    const std::optional<int> n = numfmt::parseInt(value);
    if (n)
        r.DeltaM = uint16_t(*n); // kept in 16 bits, as the field is a word
    return n.has_value();
}

bool setInterval(TFile_Datas &r, QStringView value, QChar separator)
{
    // The device may write the unit letter after the number ("60s").
    return setInt<&TFile_Datas::Mint_ido>(r, without(value, u"sS"), separator);
}

bool setThreshold(TFile_Datas &r, QStringView value, QChar separator)
{
    // The device may write a percent sign after the number ("80%").
    return setInt<&TFile_Datas::Minosit_szaz>(r, without(value, u"%"), separator);
}

bool setVerdict(TFile_Datas &r, QStringView value, QChar)
{
    r.Minosites = value == u"PASS";
    r.tipus = value == u"-1" ? 1 : 0;
    return true;
}

struct TagRule {
    QLatin1StringView tag;
    bool fromSeventh; // the value starts at the line's seventh character, unchanged
    Apply apply;
};

using R = TFile_Datas;
const TagRule kTags[] = {
    {QLatin1StringView("<MDT>"), false, setText<&R::MDT>},
    {QLatin1StringView("<MH>"), false, setText<&R::MH>},
    {QLatin1StringView("<MHM>"), false, setText<&R::MHM>},
    {QLatin1StringView("<MVN>"), false, setText<&R::MVN>},
    {QLatin1StringView("<CSZ>"), false, setInt<&R::Cellaszam>},
    {QLatin1StringView("<DM>"), false, setDeltaM},
    {QLatin1StringView("<DK>"), false, setDouble<&R::Kis_Aram>},
    {QLatin1StringView("<IKORR>"), false, setDouble<&R::Ikorr>},
    {QLatin1StringView("<IOFFS>"), false, setDouble<&R::IOffs>},
    {QLatin1StringView("<KV>"), false, setDouble<&R::Kis_vegfesz>},
    {QLatin1StringView("<LTM>"), false, setInt<&R::Last_Time_Me>},
    {QLatin1StringView("<LRBZ>"), false, setText<&R::LRBZ>},
    {QLatin1StringView("<MI>"), false, setInterval},
    {QLatin1StringView("<SI>"), false, setInterval},
    {QLatin1StringView("<MIN>"), true, setVerdict},
    {QLatin1StringView("<MK>"), false, setInt<&R::Mert_kap>},
    {QLatin1StringView("<MN>"), false, setInt<&R::Meres_No>},
    {QLatin1StringView("<MSZ>"), false, setThreshold},
    {QLatin1StringView("<NK>"), false, setDouble<&R::N_Kapac>},
    {QLatin1StringView("<P1>"), false, setInt<&R::Pass_100>},
    {QLatin1StringView("<TI>"), false, setInt<&R::Tolt_ido>},
    {QLatin1StringView("<UKORR>"), false, setDouble<&R::Ukorr>},
    {QLatin1StringView("<UL>"), false, setDouble<&R::ULekapcs>},
    {QLatin1StringView("<UOFFS>"), false, setDouble<&R::UOffs>},
    {QLatin1StringView("<SN>"), false, setText<&R::sorszam>},
    {QLatin1StringView("<PV>"), false, setText<&R::prog_verzio>},
    {QLatin1StringView("<U0>"), false, setDouble<&R::U0>},
};

void appendLine(QString &block, QStringView line)
{
    if (!block.isEmpty())
        block += QLatin1StringView("\r\n");
    block += line;
}

} // namespace

LineParser::LineParser(TFile_Datas &record, QChar separator)
    : m_record(record), m_separator(separator)
{
}

LineOutcome LineParser::parseLine(QStringView line)
{
    if (applyMarker(line) || line.isEmpty())
        return LineOutcome::Done;
    const bool tagged = line.front() == u'<';
    if (tagged)
        m_isMeas = false;
    appendBlockLine(line);
    LineOutcome outcome = LineOutcome::Done;
    if (!tagged && m_isMeas) {
        const char16_t *b = line.utf16();
        const ScannedLine<char16_t> s = scanLine(b, b + line.size());
        outcome = sampleLine(b, s.end, s.tab1, s.tab2, s.tabs);
        if (outcome == LineOutcome::BadValue)
            return outcome;
    }
    const LineOutcome tags = applyTags(line);
    return tags == LineOutcome::BadValue ? tags : outcome;
}

LineOutcome LineParser::parsePlainLine(const char *begin, const char *end, const char *tab1,
                                       const char *tab2, int tabs)
{
    if (!m_isMeas)
        return LineOutcome::Done;
    return sampleLine(begin, end, tab1, tab2, tabs);
}

const char *LineParser::parseUsualSample(const char *p, const char *e)
{
    if (!m_isMeas || inTextBlock())
        return nullptr;
    const char *q = p;
    int id = 0;
    for (const char *const most = p + std::min<ptrdiff_t>(e - p, 9); q != most && unsigned(*q - '0') < 10; ++q)
        id = id * 10 + (*q - '0');
    if (q == p || q == e || *q != '\t')
        return nullptr; // also a tenth digit
    const char separator = char(m_separator.unicode());
    double volts = 0;
    double amps = 0;
    q = plainNumber(q + 1, e, separator, volts);
    if (!q || q == e || *q != '\t')
        return nullptr;
    const bool charging = ++q != e && *q == '-';
    while (q != e && *q == '-')
        ++q;
    q = plainNumber(q, e, separator, amps);
    if (!q)
        return nullptr;
    if (q != e) {
        if (*q == '\r')
            q += (q + 1 != e && q[1] == '\n') ? 2 : 1;
        else if (*q == '\n')
            ++q;
        else
            return nullptr;
    }
    if (m_oldId < id) {
        m_oldId = id;
        m_record.Meres_Datas.push_back(TMeres_Datas{amps, volts, charging});
    }
    return q;
}

// Block markers are found in the upper-cased line (ASCII letters only), the
// first hit in this order counts, and a marker line is nothing else.
bool LineParser::applyMarker(QStringView line)
{
    if (!line.contains(u'<'))
        return false;
    if (containsUpperAscii(line, QLatin1StringView("<MEGJ>")))
        m_isMegj = true;
    else if (containsUpperAscii(line, QLatin1StringView("<\\MEGJ>")))
        m_isMegj = false;
    else if (containsUpperAscii(line, QLatin1StringView("<RN>")))
        m_isRN = true;
    else if (containsUpperAscii(line, QLatin1StringView("<\\RN>")))
        m_isRN = false;
    else if (containsUpperAscii(line, QLatin1StringView("<MEAS>")))
        m_isMeas = true;
    else
        return false;
    return true;
}

void LineParser::appendBlockLine(QStringView line)
{
    if (m_isMegj)
        appendLine(m_record.Megj, line);
    if (m_isRN)
        appendLine(m_record.RName, line);
}

LineOutcome LineParser::applyTags(QStringView line)
{
    if (!line.contains(u'<'))
        return LineOutcome::Done;
    for (const TagRule &rule : kTags) {
        if (!line.contains(rule.tag))
            continue;
        const QString value = rule.fromSeventh ? line.mid(6).toString()
                                               : cleanedValue(line, rule.tag.size());
        if (!rule.apply(m_record, value, m_separator))
            return LineOutcome::BadValue;
    }
    return LineOutcome::Done;
}

// The TAB walk of a sample line: the index decides first whether the line
// counts at all (a repeated or backward index drops it unread), then the
// voltage and the current are converted.
template<typename Ch>
LineOutcome LineParser::sampleLine(const Ch *begin, const Ch *end, const Ch *tab1,
                                   const Ch *tab2, int tabs)
{
    if (tabs == 0)
        return LineOutcome::Done;
    if (tabs != 2)
        return LineOutcome::SkippedSample;
    const std::optional<int> id = toInt(begin, tab1);
    if (!id)
        return LineOutcome::BadValue;
    if (m_oldId >= *id)
        return LineOutcome::Done;
    m_oldId = *id;
    const std::optional<double> volts = toDouble(tab1 + 1, tab2, m_separator);
    const std::optional<double> amps = magnitude(tab2 + 1, end, m_separator);
    if (!volts || !amps)
        return LineOutcome::BadValue;
    const bool charging = tab2 + 1 != end && tab2[1] == Ch('-');
    m_record.Meres_Datas.push_back(TMeres_Datas{*amps, *volts, charging});
    return LineOutcome::Done;
}

} // namespace vorn::measurement::detail
