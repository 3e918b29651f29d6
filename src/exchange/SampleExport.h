// The spreadsheet export of a measurement's samples: one row per sample
// (time, voltage, current, "Charge"/"Discharge") on sheets of at most 60000
// rows, written through the spreadsheet layer into an .xlsx workbook.
#pragma once

#include "measurement/MeasurementRecord.h"

#include <QDateTime>
#include <QString>

#include <functional>

namespace vorn::exchange {

class Worksheet;

inline constexpr int kRowsPerSheet = 60000;
// The title row's fill, $00BBGGRR: RGB 99 CC FF, a light blue.
inline constexpr qint32 kTitleFill = 16764057;

// "merexp " + the date as yymmdd + "_" + the time as hhnn, e.g.
// "merexp 240514_0930": the proposed file name and the application caption.
QString defaultExportName(const QDateTime &now);

// The file an export writes to: if the chosen name (after the last folder
// separator) contains a ".", everything from its first "." on is dropped;
// then ".xlsx" is appended. "result.csv" -> "result.xlsx".
QString exportTargetPath(const QString &chosenPath);

// Sheet names from the sampling interval and the samples exported before
// the sheet and up to its last row: a full sheet "0s - 600000 s", the last
// sheet "600000 s - 700000 s".
QString fullSheetName(qint64 Mint_ido, qint64 before, qint64 upTo);
QString lastSheetName(qint64 Mint_ido, qint64 before, qint64 upTo);

// Titles, widths (20, 20, 20, 30), bold titles and the light-blue fill of
// A1:D1 on a new sheet.
void Add_Columns(Worksheet &WS);

// Whether an existing file may be replaced by an export: a file (not a
// folder) that may be written, in a folder that may be written. True when
// nothing exists at path.
bool canReplaceExisting(const QString &path);

// The export's progress: done of total (total >= 1), called only when the
// whole percentage or the progress bar's width changes.
using ExportProgressFn = std::function<void(qint64 done, qint64 total)>;

struct ExportSteps {
    // Called once the workbook and its first sheet are set up.
    std::function<void()> started;
    ExportProgressFn progress;
};

enum class ExportOutcome {
    Done,
    CannotStart,         // no workbook can be started beside the target
    CannotReplaceTarget, // the finished workbook cannot take the target's place
    Failed,              // anything else; the target is left as it was
};

struct ExportResult {
    ExportOutcome outcome = ExportOutcome::Failed;
    QString reason; // what went wrong, naming the file concerned
    bool ok() const { return outcome == ExportOutcome::Done; }
};

// Runs `write`, which builds and saves a workbook through the spreadsheet
// layer, and turns what it throws into the export's result.
ExportResult guardedExport(const std::function<void()> &write);

// Exports the record's samples (as stored, without the gain/offset
// correction) to target, which is used as given. The workbook is written
// beside the target and takes its place only when complete. Sample k is at
// Mint_ido x k seconds, computed in 64 bits.
ExportResult exportSamples(const TFile_Datas &record, const QString &target,
                           const ExportSteps &steps = {},
                           const QDateTime &now = QDateTime::currentDateTime());

} // namespace vorn::exchange
