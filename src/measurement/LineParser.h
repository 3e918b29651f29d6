// The rules that turn one text line of a measurement file into the record:
// block markers, comment and RN blocks, sample lines and value tags.
#pragma once

#include "MeasurementRecord.h"
#include "ReadWarnings.h"

#include <QByteArrayView>
#include <QChar>
#include <QStringView>

namespace vorn::measurement::detail {

enum class LineOutcome {
    Done,           // the line was handled (or matched nothing)
    SkippedSample,  // a sample-section line with two fields or more than three
    BadValue,       // a number did not convert: the load fails
};

// The reader's state across the lines of one file (InitVar and its flags).
// Numbers are read with the decimal separator given at construction. Every
// line goes through exactly one of parseLine(), parsePlainLine() and a
// successful parseUsualSample(), so the parser can number the lines itself
// for the integrity notes it makes in `warnings`.
class LineParser {
public:
    LineParser(TFile_Datas &record, QChar separator, ReadWarnings &warnings);
    // Hands the line count and the last index taken to `warnings`.
    ~LineParser();
    LineParser(const LineParser &) = delete;
    LineParser &operator=(const LineParser &) = delete;

    // Every rule for one decoded line (without its terminator).
    LineOutcome parseLine(QStringView line);

    // The byte-level shortcut for a line that holds no "<" while neither the
    // comment nor the RN block is open: only the sample rule can apply to it,
    // and its ASCII bytes are its characters. tab1/tab2 are its first TABs,
    // tabs their count (up to 3). Needs an ASCII decimal separator.
    LineOutcome parsePlainLine(const char *begin, const char *end,
                               const char *tab1, const char *tab2, int tabs);

    // The usual sample line, read in one pass: up to 9 index digits, TAB,
    // digits with an optional separator and digits, TAB, minus signs and
    // such a number again, then the line's end. Applies only while the sample
    // section is open outside the text blocks. Returns the start of the next
    // line, or nullptr, having changed nothing, when the line is of any other
    // shape; parseLine() or parsePlainLine() gives the same result for it.
    // Needs an ASCII decimal separator.
    const char *parseUsualSample(const char *p, const char *e);

    bool inTextBlock() const { return m_isMegj || m_isRN; }
    bool sampleSectionOpen() const { return m_isMeas; }

private:
    bool applyMarker(QStringView line);
    void appendBlockLine(QStringView line);
    LineOutcome applyTags(QStringView line);

    template<typename Ch>
    LineOutcome sampleLine(const Ch *begin, const Ch *end, const Ch *tab1, const Ch *tab2,
                           int tabs);
    // A sample line's index that does not follow the previous one by one.
    void noteIndexJump(int line, int id);
    // The number of the line being parsed, for the slower paths. The usual
    // sample lines are not counted one by one (that would cost them time):
    // they are the samples not taken elsewhere, plus those they dropped.
    int lineNumber() const;
    void noteTags(QStringView line);

    TFile_Datas &m_record;
    ReadWarnings &m_warnings;
    int m_slowLines = 0;        // lines through parseLine() and parsePlainLine()
    long long m_slowSamples = 0; // samples those lines added
    int m_usualDropped = 0;     // usual sample lines dropped for their index
    QChar m_separator;
    bool m_isMeas = false;
    bool m_isMegj = false;
    bool m_isRN = false;
    int m_oldId = -1;
};

} // namespace vorn::measurement::detail
