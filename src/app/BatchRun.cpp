// A batch run: one file's work, the threads that share the files out, and
// the summary files.
#include "BatchRun.h"

#include "BatchInputs.h"
#include "engines/ReportFonts.h"
#include "exchange/SampleExport.h"
#include "graph/IntegrityWarnings.h"
#include "graph/SavedView.h"
#include "measurement/DosDateTime.h"
#include "measurement/MeasurementReader.h"
#include "report/ReportBuild.h"
#include "report/ReportDataFiles.h"
#include "settings/AnsiCodePage.h"
#include "settings/NumberFormat.h"
#include "settings/SafeFileWrite.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>

#include <atomic>
#include <exception>
#include <mutex>
#include <thread>

namespace vorn::batch {

namespace {

QString sha256Of(const QString &path)
{
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly) || !hash.addData(&file))
        return {};
    return QString::fromLatin1(hash.result().toHex());
}

// A graph window would not open a record whose saved view does not read.
bool opensInGraphWindow(const TFile_Datas &record)
{
    if (record.LRBZ.isEmpty())
        return true;
    const graph::RangeEditTexts fresh{{}, {}, {}, {}, QStringLiteral("0"), QStringLiteral("0")};
    return graph::parseLRBZ(record.LRBZ, fresh).has_value();
}

void reject(SummaryRow &row, const QString &error)
{
    row.evaluated = false;
    row.rejected = true;
    row.error = error;
}

void outputFailed(SummaryRow &row, const QString &error)
{
    row.outputFailed = true;
    row.error = row.error.isEmpty() ? error : row.error + QStringLiteral("; ") + error;
}

void writeOutputs(SummaryRow &row, TFile_Datas record, const QString &path,
                  const BatchOptions &options)
{
    const QDir out(options.outFolder);
    if (options.xlsx) {
        const exchange::ExportResult exported = exchange::exportSamples(
            record, out.filePath(row.output + QStringLiteral(".xlsx")), {}, options.now);
        if (!exported.ok())
            outputFailed(row, exported.reason);
    }
    if (!options.pdf)
        return;
    report::RecordReportOptions report;
    report.blackWhite = options.blackWhite;
    report.colors = options.colors;
    report.fileDate = measurement::dosFileDateTime(path);
    report.printedAt = options.now;
    const report::RecordReportResult written =
        report::writeRecordReport(std::move(record), options.texts, report::ReportDataFiles(),
                                  report, out.filePath(row.output + QStringLiteral(".pdf")));
    if (written.rejectedError != 0)
        reject(row, options.texts.Err_List(written.rejectedError));
    else if (!written.ok())
        outputFailed(row, written.error);
}

SummaryRow workOn(const QString &path, const QString &outputName, const BatchOptions &options)
{
    SummaryRow row;
    row.file = path;
    row.output = outputName;
    row.sha256 = sha256Of(path);
    measurement::ReadResult read = measurement::readMeasurementFile(path);
    if (!read.ok()) {
        reject(row, options.texts.Err_List(read.error));
        return row;
    }
    if (!opensInGraphWindow(read.record)) {
        reject(row, options.texts.Err_List(measurement::kErrCannotRead));
        return row;
    }
    fillEvaluation(row, read.record);
    row.testerVerdict = read.warnings.testerVerdict;
    row.warnings = int(graph::integrityWarnings(read.warnings, read.record).size());
    writeOutputs(row, std::move(read.record), path, options);
    return row;
}

// Values that programs-wide helpers fill in on first use are filled in
// here, before several threads could race to do it.
void prepareSharedState()
{
    report::ensureReportFonts();
    report::textLayoutDevice();
    codepage::ansiCodePage();
    numfmt::decimalSeparator();
}

} // namespace

SummaryRow processFile(const QString &path, const QString &outputName, const BatchOptions &options)
{
    try {
        return workOn(path, outputName, options);
    } catch (const std::exception &error) {
        SummaryRow row;
        row.file = path;
        row.output = outputName;
        reject(row, QString::fromLocal8Bit(error.what()));
        return row;
    }
}

std::vector<SummaryRow> runBatch(const QStringList &inputs, const BatchOptions &options,
                                 const BatchProgressFn &progress)
{
    const QStringList names = outputNames(inputs);
    const int total = int(inputs.size());
    std::vector<SummaryRow> rows(std::size_t(inputs.size()));
    prepareSharedState();
    std::atomic<int> next{0};
    std::mutex reporting;
    int done = 0;
    const auto work = [&] {
        for (int i = next++; i < total; i = next++) {
            rows[std::size_t(i)] = processFile(inputs[i], names[i], options);
            const std::lock_guard<std::mutex> lock(reporting);
            ++done;
            if (progress)
                progress(done, total, rows[std::size_t(i)]);
        }
    };
    std::vector<std::thread> workers;
    const int threads = std::clamp(options.jobs, 1, std::max(total, 1));
    for (int t = 1; t < threads; ++t)
        workers.emplace_back(work);
    work();
    for (std::thread &worker : workers)
        worker.join();
    return rows;
}

SummaryFiles writeSummary(const std::vector<SummaryRow> &rows, const BatchOptions &options)
{
    const QDir out(options.outFolder);
    SummaryFiles files;
    files.csvPath = out.filePath(QString::fromUtf16(kSummaryName) + QStringLiteral(".csv"));
    files.xlsxPath = out.filePath(QString::fromUtf16(kSummaryName) + QStringLiteral(".xlsx"));
    const FileWriteResult csv = writeFileSafely(files.csvPath, summaryCsv(rows));
    QString workbookError;
    const bool workbook = writeSummaryWorkbook(rows, files.xlsxPath, options.now, &workbookError);
    QStringList errors;
    if (!csv.ok)
        errors.append(csv.errorText);
    if (!workbook)
        errors.append(workbookError);
    files.error = errors.join(QStringLiteral("; "));
    return files;
}

} // namespace vorn::batch
