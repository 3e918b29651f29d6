// PDF export of a prepared report through QPdfWriter, into a temporary file
// that replaces the target only once the whole document is written.
#include "engines/ReportPdfExport.h"

#include "engines/ReportTemplate.h"

#include <QPdfWriter>
#include <QSaveFile>

namespace vorn::report {

bool ReportPdfExport::exportReport(const ReportTemplate &report, QString *error) const
{
    QString reason;
    QSaveFile file(fileName);
    if (fileName.isEmpty()) {
        reason = QStringLiteral("no file name given");
    } else if (report.preparedPageCount() == 0) {
        reason = QStringLiteral("the report has no prepared page");
    } else if (!file.open(QIODevice::WriteOnly)) {
        reason = file.errorString();
    } else {
        QPdfWriter writer(&file);
        writer.setTitle(title);
        writer.setCreator(creator);
        const auto pageDone = [this](int done, int count) {
            if (showProgress && progress)
                progress(done, count);
        };
        if (!report.print(writer, &reason, pageDone))
            file.cancelWriting();
        else if (!file.commit())
            reason = file.errorString();
    }
    if (reason.isEmpty())
        return true;
    if (error)
        *error = QStringLiteral("%1: %2").arg(fileName, reason);
    return false;
}

} // namespace vorn::report
