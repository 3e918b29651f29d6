// Pagination of the period lines, box heights, the PDF name and MakeGrey.
#include "report/ReportRules.h"

#include <algorithm>

namespace vorn::report {

namespace {

QStringList column(const QStringList &lines, int index)
{
    return lines.mid(qsizetype(index) * kLinesPerColumn, kLinesPerColumn);
}

} // namespace

DetailPages detailPages(const QStringList &periodLines)
{
    DetailPages pages;
    const qsizetype m = periodLines.size();
    if (m <= kLinesOnFirstPage)
        return pages;
    pages.page2 = true;
    pages.Memo2 = column(periodLines, 0);
    pages.Memo3 = column(periodLines, 1);
    // Page 3 only when page 2 cannot take every line: 158 lines fill page 2
    // exactly and leave no empty third page.
    if (m <= 2 * kLinesPerColumn)
        return pages;
    pages.page3 = true;
    pages.Memo5 = column(periodLines, 2);
    pages.Memo6 = column(periodLines, 3);
    return pages;
}

double resultsBoxHeight(int lines, double pitch)
{
    return pitch * lines + 7;
}

double resultsBoxHeightWithoutVerdict(int lines, double pitch)
{
    return pitch * (lines - 1) + 2;
}

double fittingLinePitch(int lines, double extra, double room)
{
    if (lines <= 0 || kLinePitch * lines + extra <= room)
        return kLinePitch;
    return std::max(kLinePitch / 2, (room - extra) / lines);
}

QString pdfFileName(const QString &chosen)
{
    const qsizetype slash = chosen.lastIndexOf(u'/');
    const qsizetype dot = chosen.indexOf(u'.', slash + 1);
    return (dot < 0 ? chosen : chosen.left(dot)) + QStringLiteral(".pdf");
}

void MakeGrey(QImage &image)
{
    if (image.isNull())
        return;
    const QImage::Format format = image.format();
    if (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32
        && format != QImage::Format_ARGB32_Premultiplied)
        image.convertTo(image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = row[x];
            const int g = (qBlue(p) + qGreen(p) + qRed(p)) / 3;
            row[x] = qRgba(g, g, g, qAlpha(p));
        }
    }
}

} // namespace vorn::report
