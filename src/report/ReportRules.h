// The arithmetic of the printed report: where the period lines go on the extra
// pages, the height of the results box, the PDF file name, and the greying of
// a picture for black-and-white output.
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

namespace vorn::report {

// Lines per column of an extra page, and what page 1 holds without them.
inline constexpr int kLinesPerColumn = 79;
inline constexpr int kLinesOnFirstPage = 16;
inline constexpr int kMaxDetailLines = 4 * kLinesPerColumn; // 316

// The period lines of the extra pages: page 2 (columns Memo2, Memo3) from the
// 17th line on, page 3 (Memo5, Memo6) once page 2 is full; lines after the
// 316th are left out.
struct DetailPages {
    bool page2 = false;
    bool page3 = false;
    QStringList Memo2, Memo3, Memo5, Memo6;
};
DetailPages detailPages(const QStringList &periodLines);

// The line pitch of a list box in template units: 15 at its designed 10 pt.
inline constexpr double kLinePitch = 15;

// Height of the results box for n lines: a pitch per line + 7; with a
// verdict, which prints in its own box below, a pitch per line but the last
// + 2.
double resultsBoxHeight(int lines, double pitch = kLinePitch);
double resultsBoxHeightWithoutVerdict(int lines, double pitch = kLinePitch);

// The pitch at which `lines` lines (plus `extra` units below them) fit in
// `room` units: kLinePitch when they fit, less (the font shrinks with it)
// when they would run out of their frame, never below half of it.
double fittingLinePitch(int lines, double extra, double room);

// The PDF name for the name a save dialog returned: the file name (never a
// folder) cut at its first ".", then ".pdf". "/home/a.b/r1.x.pdf" gives
// "/home/a.b/r1.pdf"; "r1" gives "r1.pdf".
QString pdfFileName(const QString &chosen);

// MakeGrey: the picture in 32 bits per pixel, each pixel's blue, green and
// red set to (blue + green + red) div 3; the fourth byte stays.
void MakeGrey(QImage &image);

} // namespace vorn::report
