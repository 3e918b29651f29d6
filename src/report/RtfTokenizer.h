// Splits RTF bytes into groups, control words, control symbols, \'hh bytes and text.
#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace vorn::report {

struct RtfToken {
    enum Type { End, GroupStart, GroupEnd, Word, Symbol, HexByte, Text };
    Type type = End;
    QByteArray word;      // Word: the control word's letters
    bool hasParam = false; // Word: a numeric parameter followed the letters
    int param = 0;        // Word: the parameter, clamped to the int range; HexByte: the byte
    char symbol = 0;      // Symbol: the character after the backslash
    QByteArrayView text;  // Text: a run of plain bytes (no braces, backslashes or line ends)
};

// Never reads past the end and always advances, so malformed or truncated
// input ends in End tokens rather than a hang. \binN data is skipped here.
class RtfTokenizer
{
public:
    explicit RtfTokenizer(QByteArrayView rtf) : m_data(rtf) {}
    RtfToken next();

private:
    RtfToken readControl();
    RtfToken readWord();
    RtfToken readHex();
    int readParam(bool *present);

    QByteArrayView m_data;
    qsizetype m_pos = 0;
};

} // namespace vorn::report
