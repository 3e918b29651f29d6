// Splitting a measurement file's text into lines: a line ends at CR LF, at a
// lone CR or at a lone LF. Works on raw bytes and on decoded UTF-16 alike.
#pragma once

#include <QByteArrayView>
#include <QStringView>

namespace vorn::measurement::detail {

// One line found by scanLine(), with what the sample rules need to know
// about it, gathered in the same pass.
template<typename Ch>
struct ScannedLine {
    const Ch *begin = nullptr;
    const Ch *end = nullptr;   // the terminator (or the end of the text)
    const Ch *next = nullptr;  // first character of the following line
    const Ch *tab1 = nullptr;  // first TAB, nullptr when none
    const Ch *tab2 = nullptr;  // second TAB, nullptr when fewer
    int tabs = 0;              // TABs in the line, counted up to 3
    bool hasAngle = false;     // the line contains "<"
};

// The line starting at p; p < e.
ScannedLine<char> scanLine(const char *p, const char *e);
ScannedLine<char16_t> scanLine(const char16_t *p, const char16_t *e);

// Number of lines scanLine() finds in the text: a terminator ends a line, and
// text after the last terminator is one more line. Empty text has none.
qsizetype countLines(QByteArrayView text);
qsizetype countLines(QStringView text);

// countLines() of a text handed over in consecutive pieces (a CR at the end
// of one piece and an LF at the start of the next are one terminator).
class LineCounter {
public:
    void add(QByteArrayView piece);
    qsizetype lines() const;

private:
    qsizetype m_terminators = 0;
    char m_last = 0; // the last byte so far
    bool m_any = false;
};

// The end of the last line in [p, e) whose terminator is known: after its
// LF, or after a CR that is not the last byte (that one may be the first
// half of a CR LF). p when there is none.
const char *completeLinesEnd(const char *p, const char *e);

} // namespace vorn::measurement::detail
