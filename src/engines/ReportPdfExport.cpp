// PDF export of a prepared report through QPdfWriter; the finished document
// replaces the target in one safe write.
#include "engines/ReportPdfExport.h"

#include "engines/ReportTemplate.h"
#include "settings/SafeFileWrite.h"

#include <QBuffer>
#include <QPdfWriter>

namespace vorn::report {

namespace {

// The prepared pages as a PDF document in memory (a report is a few hundred
// kilobytes), so that the file is written in one step that names the reason
// of a failure. Empty with `reason` set when the pages cannot be printed.
QByteArray pdfDocument(const ReportPdfExport &options, const ReportTemplate &report,
                       QString *reason)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(options.title);
        writer.setCreator(options.creator);
        const auto pageDone = [&options](int done, int count) {
            if (options.showProgress && options.progress)
                options.progress(done, count);
        };
        if (!report.print(writer, reason, pageDone))
            return {};
    }
    return buffer.data();
}

} // namespace

bool ReportPdfExport::exportReport(const ReportTemplate &report, QString *error) const
{
    QString reason;
    if (fileName.isEmpty()) {
        reason = QStringLiteral("no file name given");
    } else if (report.preparedPageCount() == 0) {
        reason = QStringLiteral("the report has no prepared page");
    } else {
        const QByteArray pdf = pdfDocument(*this, report, &reason);
        if (reason.isEmpty()) {
            const FileWriteResult written = writeFileSafely(fileName, pdf);
            if (written.ok)
                return true;
            if (error)
                *error = written.errorText;
            return false;
        }
    }
    if (error)
        *error = QStringLiteral("%1: %2").arg(fileName, reason);
    return false;
}

} // namespace vorn::report
