// A batch run: every measurement file read, evaluated and, on request,
// reported as PDF and exported as a workbook, on several threads, then the
// summary written. No window is involved.
#pragma once

#include "BatchSummary.h"
#include "report/ReportChart.h"
#include "settings/LanguageTables.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace vorn::batch {

struct BatchOptions {
    QString outFolder;        // where every output goes; made when missing
    bool pdf = false;         // NAME.pdf: the report `vornctl report` writes
    bool xlsx = false;        // NAME.xlsx: the workbook `vornctl export` writes
    bool blackWhite = false;  // the report in black and white
    int jobs = 1;             // files worked on at the same time, at least 1
    TextTables texts;         // the report's and the messages' language
    report::ReportColors colors; // the report chart's colours
    // "Now" for every output of the run (the report's print date, the
    // workbooks' creation date), so that the outputs do not depend on when
    // or in which order the files are worked on.
    QDateTime now = QDateTime::currentDateTime();
};

// Called once per file as it is finished, from the thread that worked on it
// but never from two at once: `done` files of `total`, the file's row.
using BatchProgressFn = std::function<void(int done, int total, const SummaryRow &row)>;

// One file: its row, and its outputs written. Never throws; a file the
// program would not open gets its error text in the row.
SummaryRow processFile(const QString &path, const QString &outputName, const BatchOptions &options);

// Every input (outputNames() gives their output names), rows in input order.
std::vector<SummaryRow> runBatch(const QStringList &inputs, const BatchOptions &options,
                                 const BatchProgressFn &progress = {});

struct SummaryFiles {
    QString csvPath;
    QString xlsxPath;
    QString error; // empty when both were written
    bool ok() const { return error.isEmpty(); }
};

// summary.csv and summary.xlsx in the output folder, each through a
// temporary file renamed into place.
SummaryFiles writeSummary(const std::vector<SummaryRow> &rows, const BatchOptions &options);

} // namespace vorn::batch
