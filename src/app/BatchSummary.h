// The summary of a batch: one row per measurement file, written as CSV and as
// a workbook, and the batch's exit status.
#pragma once

#include "graph/MeasurementParams.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <optional>
#include <vector>

struct TFile_Datas;

namespace vorn::batch {

struct SummaryRow {
    QString file;    // the input path as given or found
    QString output;  // base name of its outputs
    QString sha256;  // of the file's bytes, lower-case hex; empty when unreadable
    bool evaluated = false; // the fields below hold the evaluation
    long long samples = 0;
    int interval = 0;             // sampling interval, s
    long long duration = 0;       // all periods together, s
    long long dischargeDuration = 0;
    std::optional<int> capacity;  // measured, %; none when not reported
    std::optional<int> threshold; // %; none when not reported
    graph::Verdict verdict = graph::Verdict::None;
    std::optional<QString> testerVerdict; // as written after "<MIN>"
    int periods = 0;
    int warnings = 0;
    QString error;           // why the file was rejected or an output failed
    bool rejected = false;   // the program would not open the file
    bool outputFailed = false;
};

// The evaluation's columns of a row for a record as read: samples, interval,
// durations and periods from the cycle table (a period lasts its samples
// times the interval, the discharge duration sums the discharge periods),
// capacity, threshold and the program's verdict.
void fillEvaluation(SummaryRow &row, const TFile_Datas &record);

// The column titles, in order.
const std::vector<QString> &summaryColumns();

// The row's cells as text, in column order: numbers in plain decimal, the
// verdict as PASS or FAIL, empty cells for what is not known.
std::vector<QString> summaryCells(const SummaryRow &row);

// RFC 4180: a header line, then one line per row, CR LF after each; a field
// holding a comma, a double quote, CR or LF is quoted, its quotes doubled.
// UTF-8 without a byte-order mark.
QByteArray summaryCsv(const std::vector<SummaryRow> &rows);

// The same table as a workbook at `path`: bold header, numbers as numbers,
// the verdict cell filled green (PASS) or red (FAIL). Written beside the
// target and renamed into place; `created` is its creation date. False with
// `error` naming the path and the reason.
bool writeSummaryWorkbook(const std::vector<SummaryRow> &rows, const QString &path,
                          const QDateTime &created, QString *error);

// A batch's exit status.
inline constexpr int kBatchPassed = 0;  // every file passed or had no threshold
inline constexpr int kBatchFailed = 1;  // a file failed its qualification
inline constexpr int kBatchErrors = 3;  // a file was rejected or an output not written

// kBatchErrors when any file was rejected or an output could not be written,
// else kBatchFailed when any file failed its qualification, else kBatchPassed.
int batchExitStatus(const std::vector<SummaryRow> &rows);

} // namespace vorn::batch
