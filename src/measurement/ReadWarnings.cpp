// The reader's integrity notes: kept up to a few of each kind, counted all.
#include "ReadWarnings.h"

#include <QLatin1StringView>
#include <QStringDecoder>

namespace vorn::measurement {

void ReadWarnings::noteSkippedLine(int line)
{
    if (skippedLines++ < kKeptSkippedLines)
        firstSkippedLines.push_back(line);
}

void ReadWarnings::noteJump(int line, int index, int previous)
{
    const IndexJump jump{line, index, previous};
    if (index > previous) {
        missingSamples += static_cast<long long>(index) - previous - 1;
        if (gaps++ < kKeptJumps)
            firstGaps.push_back(jump);
    } else if (disorders++ < kKeptJumps) {
        firstDisorders.push_back(jump);
    }
}

void ReadWarnings::noteEofLine(int line)
{
    eofLine = line;
    firstLineAfterEof = 0;
}

namespace {

// The end of a text: whether it ends with "<EOF>" (line ends and blanks
// after it allowed), else how many characters follow the last "<EOF>" line.
template<typename View>
long long charactersAfterEof(View text, bool &endsWithEof)
{
    const auto is = [&text](qsizetype i, char16_t c) { return text[i].unicode() == c; };
    const auto blank = [&is](qsizetype i) {
        return is(i, u'\r') || is(i, u'\n') || is(i, u' ') || is(i, u'\t');
    };
    qsizetype end = text.size();
    while (end > 0 && blank(end - 1))
        --end;
    endsWithEof = text.first(end).endsWith(QLatin1StringView("<EOF>"));
    const qsizetype last = endsWithEof ? -1 : text.lastIndexOf(QLatin1StringView("<EOF>"));
    if (last < 0)
        return -1;
    // What follows the "<EOF>" line's own line end.
    qsizetype after = last + 5;
    if (after < text.size() && is(after, u'\r'))
        ++after;
    if (after < text.size() && is(after, u'\n'))
        ++after;
    return text.size() - after;
}

} // namespace

void noteFileEnd(ReadWarnings &warnings, QByteArrayView tail, codepage::TextEncoding encoding)
{
    using codepage::TextEncoding;
    if (encoding != TextEncoding::Utf16LE && encoding != TextEncoding::Utf16BE) {
        // "<EOF>", line ends and blanks are single bytes in these encodings.
        warnings.bytesAfterEof = charactersAfterEof(QLatin1StringView(tail), warnings.endsWithEof);
        return;
    }
    // Whole characters only: a half unit at the very end is left out.
    tail.truncate(tail.size() & ~qsizetype(1));
    QStringDecoder decode(encoding == TextEncoding::Utf16LE ? QStringDecoder::Utf16LE
                                                            : QStringDecoder::Utf16BE);
    const QString text = decode(tail);
    const long long characters = charactersAfterEof(QStringView(text), warnings.endsWithEof);
    warnings.bytesAfterEof = characters < 0 ? -1 : 2 * characters;
}

} // namespace vorn::measurement
