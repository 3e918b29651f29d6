// Measurements side by side without a window: where each curve's time 0
// lies, which sample a common cursor time meets on each, and the rows of the
// comparison table.
#pragma once

#include "graph/MeasurementParams.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>

struct TFile_Datas;

namespace vorn {
class TextTables;
}

namespace vorn::graph {

// Where the curves of a comparison have their time 0.
enum class CompareAlignment {
    FirstDischarge, // at the first discharging sample (a run that never
                    // discharges keeps its first sample there)
    FirstSample,
};

// Index of the first sample with Is_Toltes false; -1 when there is none.
qint64 firstDischargeSample(const TFile_Datas &record);

// The sample that lies at time 0 of the comparison.
qint64 alignmentOrigin(const TFile_Datas &record, CompareAlignment alignment);

// The sample a cursor at `seconds` of the comparison's time meets on a curve
// whose origin is `origin`: the nearest one (lower index on a tie), -1 when
// the time lies beyond the curve's first or last sample.
qint64 sampleAtCompareTime(const TFile_Datas &record, qint64 origin, double seconds);

// One row of the comparison table.
struct CompareRow {
    QString file;             // the file name (or the window's caption)
    qint32 Meres_No = 0;      // measurement number on the device
    QString date;             // MDT as the device wrote it
    qint64 samples = 0;
    qint64 dischargeSeconds = 0; // all discharge segments of the cycle evaluation
    double dischargeAh = 0;      // their charge quantities, summed
    qint32 measuredPercent = -1; // Mert_kap, -1 not reported
    qint32 thresholdPercent = -1; // Minosit_szaz, -1 not reported
    Verdict verdict = Verdict::None;
    int warnings = 0;             // integrity warnings of its file
};

CompareRow compareRow(const TFile_Datas &record, const QString &file, int warnings);

// Columns of the table, in order.
enum CompareColumn : int {
    ColFile,
    ColNumber,
    ColDate,
    ColSamples,
    ColDischargeTime,
    ColDischargeAh,
    ColMeasured,
    ColThreshold,
    ColVerdict,
    ColWarnings,
    CompareColumnCount
};

// The column captions in the language of `texts`.
QStringList compareColumnCaptions(const TextTables &texts);

// The cells of a row as the table shows them (decimal comma): the discharge
// time as hours, minutes and seconds, the charge as "###0.0#" A×h, the
// percentages as whole numbers; a value not reported leaves its cell empty.
QStringList compareRowTexts(const CompareRow &row, const TextTables &texts);

} // namespace vorn::graph
