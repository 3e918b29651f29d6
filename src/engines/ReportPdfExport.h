// PDF export of a prepared report: A4 pages with selectable text and embedded
// fonts, written through a temporary file renamed into place.
#pragma once

#include <QString>

#include <functional>

namespace vorn::report {

class ReportTemplate;

struct ReportPdfExport {
    QString fileName;
    bool showDialog = false;          // there is no settings dialog; kept for the caller's switch
    bool showProgress = true;         // progress reported through `progress` when set
    bool overwritePrompt = false;     // an existing file is replaced without a question
    QString title;                    // document information
    QString creator;
    std::function<void(int page, int pageCount)> progress;

    // Writes the prepared pages of `report`. False with `error` naming the path
    // and the reason; an existing file is then left as it was.
    bool exportReport(const ReportTemplate &report, QString *error) const;
};

} // namespace vorn::report
