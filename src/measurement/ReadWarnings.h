// What the reader notices about a file's integrity while it reads it, without
// letting it change the record: skipped sample lines, holes and disorder in
// the sample indices, the end of the file, and the tester's own verdict text.
#pragma once

#include "settings/AnsiCodePage.h"

#include <QByteArrayView>
#include <QString>

#include <optional>
#include <vector>

namespace vorn::measurement {

// One sample line whose index did not follow its predecessor's by one.
struct IndexJump {
    int line = 0;       // 1-based text line
    int index = 0;      // the line's sample index
    int previous = 0;   // the index of the sample read before it
};

struct ReadWarnings {
    // How many of each kind are kept with their line; the rest are only counted.
    static constexpr int kKeptJumps = 20;
    static constexpr int kKeptSkippedLines = 5;

    // Sample-section lines with two fields or more than three (ignored).
    int skippedLines = 0;
    std::vector<int> firstSkippedLines;

    // Indices more than one above the previous one: samples missing.
    int gaps = 0;
    long long missingSamples = 0;
    std::vector<IndexJump> firstGaps;

    // Indices equal to or below the previous one: the line is ignored.
    int disorders = 0;
    std::vector<IndexJump> firstDisorders;

    int lines = 0;            // text lines read (the last line's number)
    int lastSampleIndex = -1; // index in the file of the last sample taken

    // The "<EOF>" line: the last line beginning with it, and the first
    // non-empty line after that one (0 when none).
    int eofLine = 0;
    int firstLineAfterEof = 0;

    // The file's last bytes: whether they end with "<EOF>" (line ends and
    // blanks after it allowed), and else how many bytes follow the last
    // "<EOF>" found among them (-1 when there is none).
    bool endsWithEof = false;
    long long bytesAfterEof = -1;

    // The tester's verdict as written after "<MIN>" (the last one), and its line.
    std::optional<QString> testerVerdict;
    int testerVerdictLine = 0;

    // Notes made by the line parser.
    void noteSkippedLine(int line);
    void noteJump(int line, int index, int previous);
    void noteEofLine(int line);
    void noteContentLine(int line)
    {
        if (eofLine != 0 && firstLineAfterEof == 0)
            firstLineAfterEof = line;
    }
};

// How many of a file's last bytes noteFileEnd() needs.
inline constexpr long long kFileTailBytes = 64 * 1024;

// Notes how the file ends, from its last bytes (about kFileTailBytes, from an
// even offset of the file on, so that UTF-16 units stay whole) and the
// encoding its byte-order mark names.
void noteFileEnd(ReadWarnings &warnings, QByteArrayView tail, codepage::TextEncoding encoding);

} // namespace vorn::measurement
