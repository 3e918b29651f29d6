// Turns a user guide written in Markdown into an A4 PDF: a title page with the
// chapter list, then the chapters with page numbers and their pictures.
#pragma once

#include <QString>
#include <QStringList>

namespace vorn::guide {

struct GuideResult {
    bool ok = false;
    QString error;        // why no PDF was written (names the path)
    QStringList warnings; // pictures left out, with the reason
    int pages = 0;        // pages written, the title page included
};

// Reads markdownPath (UTF-8, GitHub dialect). The text before the first
// "## " heading forms the title page; every "## " heading starts a chapter
// listed there with its page. Pictures are read relative to the Markdown
// file and scaled down to fit the page; a missing picture is replaced by its
// alternative text and reported as a warning. The PDF is written safely
// (a temporary file renamed into place). Needs a QGuiApplication.
GuideResult writeGuidePdf(const QString &markdownPath, const QString &pdfPath);

} // namespace vorn::guide
