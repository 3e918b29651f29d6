// The split of a measurement into charge and discharge segments with the
// charge quantity of each: the rows of the info dialog's cycle list and the
// period lines of the test report.
#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <utility>
#include <vector>

struct TFile_Datas;

namespace vorn {
class TextTables;
}

namespace vorn::graph {

// How the segments are numbered (the evaluation's `Tipus`).
enum CycleTipus : int {
    // Info dialog list: a new number after every charge segment, so a
    // discharge and the charge after it share a number.
    CycleInfoList = 0,
    // Report lines: a new number after every discharge segment, so a charge and
    // the discharge after it share a number.
    CycleReport = 1,
};

// One closed segment.
struct CycleSegment {
    int number = 0;          // cycle number, from 1
    bool charge = false;     // a charge segment (else discharge)
    qint64 seconds = 0;      // duration, s
    double ampereHours = 0;  // charge quantity, A x h
};

// Walks the samples and closes a segment at every change of the charge flag
// and at the last sample. The first sample's interval counts in a segment's
// duration, its current does not; the sample that changes the state is counted
// only by the interval the new segment starts with. Fewer than 2 samples give
// no segment.
std::vector<CycleSegment> Meresi_Param_Szetvalogatas(const TFile_Datas &record, CycleTipus tipus);

// Charge quantity of a segment: mean stored current x duration in hours. A
// sampling interval of 0 makes the duration 0 and the quantity 0.
double chargeQuantity(double Ossz_aram, qint64 Ossz_Ido, qint32 Mint_ido);

// "###0.0#" + " A×h", e.g. "12,5 A×h".
QString chargeQuantityText(double ampereHours);

// The cells of one list row as (built-in column caption, text) in column
// order: "Ciklus", "Állapot", "Idő", "Töltésmennyiség".
std::vector<std::pair<QString, QString>> cycleListRow(const CycleSegment &segment,
                                                      const TextTables &texts);

// One report line: number, two blanks, the state word, one blank (charge) or
// two blanks (discharge), the time text, one blank, the charge quantity text.
QString reportCycleLine(const CycleSegment &segment, const TextTables &texts);

// The report's period lines: the results box keeps the last
// ReportResultsCycleLines of them, the hidden full list keeps all.
inline constexpr int ReportResultsCycleLines = 15;
struct ReportCycleLines {
    QStringList REdt_results;
    QStringList RichEdit1;
};
ReportCycleLines reportCycleLines(const TFile_Datas &record, const TextTables &texts);

} // namespace vorn::graph
