// What the report window shows when it opens, taken from the measurement and
// the DATA files: logo, identification lines, company block, comment, the
// parameter lines, the result lines with the verdict, and every period line.
#pragma once

#include "graph/MeasurementParams.h"

#include <QByteArray>
#include <QFont>
#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

#include <cstdint>

struct TFile_Datas;
class QTextDocument;

namespace vorn {
class TextTables;
}

namespace vorn::report {

class ReportDataFiles;

// The logo frame's picture area; a logo taken from "logo.bmp" is stored in
// the measurement at this size.
inline constexpr QSize kLogoSize(244, 114);

// The longest texts the identification edits hold.
inline constexpr int kNameMaxLength = 50;     // operator, place, instruments
inline constexpr int kDateMaxLength = 30;     // date field, measurement date

struct ReportFields {
    // The logo the frame shows; null: none (the placeholder texts show).
    QImage logo;
    // The measurement had no logo and took "logo.bmp": its picture and its
    // logo flag were set by fillReportFields.
    bool logoTakenFromFile = false;

    QString Edt_Name;
    QString Edt_Locate;
    QString Edt_Hardvare;
    QString Edt_DateTime;
    QString Edt_dateTime_report;  // the file time, empty when there is none

    QByteArray companyRtf;        // "vorn1.rtf", empty when it does not exist
    QString Mem_Megjegyzes;       // lines joined by "\n"
    QStringList Mem_params;
    // The last period lines, the summary lines and (when there is one) the
    // verdict line, which is the last line.
    QStringList REdt_results;
    QStringList RichEdit1;        // every period line
    graph::Verdict verdict = graph::Verdict::None;
    bool Is_Accepted = false;
};

// Fill_Values, plus the measurement date of FormCreate: `fileDate` is the
// packed DOS time of the file opened last (0 or less: none). Changes the
// record only when it takes "logo.bmp" (Kep and Use_Kep).
ReportFields fillReportFields(TFile_Datas &record, const TextTables &texts,
                              const ReportDataFiles &files, int32_t fileDate);

// The identification edits: the measurement's four texts when at least one
// of them is not blank, else the lines of "vorn2.rtf" when it exists, else
// empty. Order: name, place, instruments, date field.
QStringList identificationTexts(const TFile_Datas &record, const ReportDataFiles &files);

// The measurement's picture for a logo loaded from "logo.bmp": kLogoSize,
// white, with the loaded picture drawn at its top-left corner.
QImage logoForRecord(const QImage &loaded);

// The file time as the system's short date and long time, empty for 0 or less.
QString fileDateText(int32_t fileDate);

// The result lines that follow the period lines, and the verdict line.
QStringList resultLines(const TFile_Datas &record, const TextTables &texts);

// The company block of a report: the rich text of "vorn1.rtf" (empty bytes or
// unreadable text give an empty block); an empty block gets the placeholder
// Text_List[100] after an empty first line, bold, 11 pt, grey, centred.
void loadCompanyBlock(QTextDocument &document, const QByteArray &rtf, const TextTables &texts);
// The font the company block starts with (Tahoma 8 pt).
QFont companyBlockFont();

// The comment as the window's memo holds it: lines joined by "\n".
QString commentText(const QString &Megj);

} // namespace vorn::report
