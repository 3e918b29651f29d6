// The integrity warnings of a loaded measurement: what its reading noticed
// (skipped lines, missing or disordered samples, the file's end) and what its
// evaluation cannot show (a last sample that opens a period, no sampling
// interval, a tester's verdict that differs from the evaluated one). They
// only describe the file; the record, the evaluation and the verdict are the
// same with or without them.
#pragma once

#include <QLatin1StringView>
#include <QList>
#include <QString>

#include <vector>

struct TFile_Datas;

namespace vorn {
class TextTables;
}

namespace vorn::measurement {
struct ReadWarnings;
}

namespace vorn::graph {

enum class WarningKind {
    SkippedLines,       // sample lines with two fields or more than three
    IndexGap,           // samples missing between two indices
    MoreIndexGaps,      // the gaps beyond those listed one by one
    IndexRepeat,        // a line repeating the previous index, ignored
    IndexBackward,      // a line whose index goes back, ignored
    MoreIndexDisorders, // the repeats and backward steps beyond those listed
    NoEof,              // no "<EOF>" at the end: the file may be cut short
    AfterEof,           // bytes or lines after "<EOF>"
    LastSampleState,    // the state changes at the last sample
    NoInterval,         // Mint_ido is 0: no times, no A×h
    VerdictMismatch,    // the tester's "<MIN>" verdict differs from the evaluated one
};

struct IntegrityWarning {
    WarningKind kind = WarningKind::SkippedLines;
    int line = 0;           // 1-based text line it concerns, 0 when none
    long long index = -1;   // sample index in the file it concerns, -1 when none
    // The numbers its text shows, by kind: SkippedLines the lines skipped;
    // IndexGap the samples missing; MoreIndexGaps and MoreIndexDisorders the
    // gaps or lines beyond the listed ones, and (amount) the samples missing
    // in all; AfterEof the bytes after it (-1 when only the line is known);
    // VerdictMismatch the measured capacity and (amount) the threshold, %.
    long long count = 0;
    long long amount = 0;
    long long previousIndex = -1; // IndexBackward: the index before the line's
    QList<int> lines;             // SkippedLines: the first of them
    QString testerVerdict;        // VerdictMismatch
};

// Every warning of a measurement read with `notes`, in the order of the kinds
// above (index problems in file order). Empty for a sound file.
std::vector<IntegrityWarning> integrityWarnings(const measurement::ReadWarnings &notes,
                                                const TFile_Datas &record);

// A stable name of the kind for scripts: "skipped-lines", "index-gap", ...
QLatin1StringView warningKindName(WarningKind kind);

// The warning as one sentence in the language of `texts`.
QString warningText(const IntegrityWarning &warning, const TextTables &texts);

} // namespace vorn::graph
