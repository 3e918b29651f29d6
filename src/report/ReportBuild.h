// The report of a measurement as the report window opens it, without a
// window: its content from the record and the DATA files, its chart from the
// record's samples as a fresh graph window shows them, and the PDF.
#pragma once

#include "report/ReportChart.h"
#include "report/ReportFields.h"
#include "report/ReportFilling.h"

#include <QDateTime>
#include <QString>

#include <cstdint>

struct TFile_Datas;

namespace vorn {
class TextTables;
}

namespace vorn::report {

class ReportDataFiles;
class ReportTemplate;

// The content of a report whose window shows `fields` untouched.
ReportContent contentFromFields(const ReportFields &fields, const TFile_Datas &record,
                                const TextTables &texts);

// The series titles the legend lists (voltage, current).
void setReportSeriesTitles(const ReportSeries &series, const TextTables &texts);

// The PDF of a prepared report: document title and creator set, written
// through a temporary file. False with `error` naming the path and the reason.
bool writeReportPdf(const ReportTemplate &report, const QString &path, const TextTables &texts,
                    QString *error);

struct RecordReportOptions {
    bool blackWhite = false;
    bool legend = false;
    ReportColors colors;
    int32_t fileDate = 0;    // packed DOS time of the measurement file
    QDateTime printedAt = QDateTime::currentDateTime();
};

// Why a report could not be made: the measurement (an Err_List index) or the PDF.
struct RecordReportResult {
    int rejectedError = 0;   // the graph window would not open the measurement
    QString error;           // what went wrong, with the path
    bool ok() const { return rejectedError == 0 && error.isEmpty(); }
};

// The PDF the report window's PDF button writes for the measurement opened
// fresh (no labels). Reads the DATA files, writes nothing there.
RecordReportResult writeRecordReport(TFile_Datas record, const TextTables &texts,
                                     const ReportDataFiles &files, const RecordReportOptions &options,
                                     const QString &pdfPath);

} // namespace vorn::report
