// Splits RTF bytes into tokens; bounded against huge numbers and long names.
#include "RtfTokenizer.h"

#include <algorithm>
#include <limits>

namespace vorn::report {

namespace {

bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

int hexValue(char c)
{
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Control words longer than this are not RTF; the rest of the letters is dropped.
constexpr qsizetype kMaxWordLength = 32;

} // namespace

RtfToken RtfTokenizer::next()
{
    while (m_pos < m_data.size()) {
        const char c = m_data[m_pos];
        if (c == '\r' || c == '\n') {
            ++m_pos;
            continue;
        }
        if (c == '{' || c == '}') {
            ++m_pos;
            RtfToken token;
            token.type = c == '{' ? RtfToken::GroupStart : RtfToken::GroupEnd;
            return token;
        }
        if (c == '\\')
            return readControl();
        const qsizetype start = m_pos;
        while (m_pos < m_data.size()) {
            const char t = m_data[m_pos];
            if (t == '{' || t == '}' || t == '\\' || t == '\r' || t == '\n')
                break;
            ++m_pos;
        }
        RtfToken token;
        token.type = RtfToken::Text;
        token.text = m_data.sliced(start, m_pos - start);
        return token;
    }
    return {};
}

RtfToken RtfTokenizer::readControl()
{
    ++m_pos; // the backslash
    if (m_pos >= m_data.size())
        return {};
    const char c = m_data[m_pos];
    if (isLetter(c))
        return readWord();
    ++m_pos;
    if (c == '\'')
        return readHex();
    RtfToken token;
    token.type = RtfToken::Symbol;
    // A backslash before a line end is an old way of writing \par.
    token.symbol = c == '\r' ? '\n' : c;
    return token;
}

RtfToken RtfTokenizer::readWord()
{
    RtfToken token;
    token.type = RtfToken::Word;
    const qsizetype start = m_pos;
    while (m_pos < m_data.size() && isLetter(m_data[m_pos]))
        ++m_pos;
    token.word = m_data.sliced(start, std::min(m_pos - start, kMaxWordLength)).toByteArray();
    token.param = readParam(&token.hasParam);
    if (m_pos < m_data.size() && m_data[m_pos] == ' ')
        ++m_pos; // the delimiting space belongs to the control word
    if (token.word == "bin" && token.param > 0) {
        // Raw binary data follows; it may contain any byte, braces included.
        m_pos += std::min<qsizetype>(token.param, m_data.size() - m_pos);
    }
    return token;
}

int RtfTokenizer::readParam(bool *present)
{
    const bool negative = m_pos < m_data.size() && m_data[m_pos] == '-';
    const qsizetype digitsStart = m_pos + (negative ? 1 : 0);
    qsizetype p = digitsStart;
    long long value = 0;
    while (p < m_data.size() && isDigit(m_data[p])) {
        if (value <= std::numeric_limits<int>::max())
            value = value * 10 + (m_data[p] - '0');
        ++p;
    }
    *present = p > digitsStart;
    if (!*present)
        return 0;
    m_pos = p;
    value = std::min<long long>(value, std::numeric_limits<int>::max());
    return static_cast<int>(negative ? -value : value);
}

RtfToken RtfTokenizer::readHex()
{
    RtfToken token;
    token.type = RtfToken::HexByte;
    int value = 0;
    int digits = 0;
    while (digits < 2 && m_pos < m_data.size() && hexValue(m_data[m_pos]) >= 0) {
        value = value * 16 + hexValue(m_data[m_pos]);
        ++m_pos;
        ++digits;
    }
    if (digits == 0) {
        // "\'" without digits carries nothing; handed on as a symbol nobody reads.
        token.type = RtfToken::Symbol;
        token.symbol = '\'';
        return token;
    }
    token.param = value;
    return token;
}

} // namespace vorn::report
