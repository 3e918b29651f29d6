// Fill_Values: the report window's fields from the measurement and the DATA files.
#include "report/ReportFields.h"

#include "graph/CycleTable.h"
#include "measurement/DosDateTime.h"
#include "measurement/MeasurementRecord.h"
#include "measurement/RecordReset.h"
#include "report/ReportDataFiles.h"
#include "report/RichText.h"
#include "settings/LanguageTables.h"

#include <QPainter>
#include <QTextCursor>
#include <QTextDocument>

namespace vorn::report {

namespace {

// The placeholder of an empty company block.
constexpr int kCompanyPlaceholderPt = 11;
const QColor kPlaceholderGrey(128, 128, 128);

QImage chooseLogo(TFile_Datas &record, const ReportDataFiles &files, bool *takenFromFile)
{
    *takenFromFile = false;
    if (record.Use_Kep)
        return record.Kep.image();
    const QImage loaded = files.readLogo();
    if (loaded.isNull())
        return {};
    record.Kep.setImage(logoForRecord(loaded));
    record.Use_Kep = true;
    *takenFromFile = true;
    return loaded;
}

} // namespace

QImage logoForRecord(const QImage &loaded)
{
    QImage logo(kLogoSize, QImage::Format_RGB32);
    logo.fill(Qt::white);
    QPainter painter(&logo);
    painter.drawImage(0, 0, loaded);
    return logo;
}

QString fileDateText(int32_t fileDate)
{
    if (fileDate <= 0)
        return {};
    const QDateTime when = measurement::unpackDosDateTime(fileDate);
    return when.isValid() ? measurement::localDateTimeText(when) : QString();
}

QStringList identificationTexts(const TFile_Datas &record, const ReportDataFiles &files)
{
    const QStringList own{record.MVN, record.MH, record.MHM, record.MDT};
    for (const QString &text : own) {
        if (!text.trimmed().isEmpty())
            return own;
    }
    if (files.hasIdentification())
        return files.readIdentification();
    return QStringList(kIdentificationLines, QString());
}

QStringList resultLines(const TFile_Datas &record, const TextTables &texts)
{
    QStringList lines = graph::reportResultLines(record, texts);
    const graph::Verdict verdict = graph::qualificationVerdict(record);
    if (verdict != graph::Verdict::None)
        lines.append(graph::verdictText(verdict, texts));
    return lines;
}

QString commentText(const QString &Megj)
{
    QString text = Megj;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

ReportFields fillReportFields(TFile_Datas &record, const TextTables &texts,
                              const ReportDataFiles &files, int32_t fileDate)
{
    ReportFields fields;
    fields.logo = chooseLogo(record, files, &fields.logoTakenFromFile);

    const QStringList ids = identificationTexts(record, files);
    fields.Edt_Name = ids.at(0).left(kNameMaxLength);
    fields.Edt_Locate = ids.at(1).left(kNameMaxLength);
    fields.Edt_Hardvare = ids.at(2).left(kNameMaxLength);
    fields.Edt_DateTime = ids.at(3).left(kDateMaxLength);
    fields.Edt_dateTime_report = fileDateText(fileDate).left(kDateMaxLength);

    fields.companyRtf = files.readCompany();
    fields.Mem_Megjegyzes = commentText(record.Megj);
    fields.Mem_params = graph::reportParameterLines(record, texts);

    const graph::ReportCycleLines periods = graph::reportCycleLines(record, texts);
    fields.RichEdit1 = periods.RichEdit1;
    fields.REdt_results = periods.REdt_results + resultLines(record, texts);
    fields.verdict = graph::qualificationVerdict(record);
    fields.Is_Accepted = fields.verdict == graph::Verdict::Pass;
    return fields;
}

QFont companyBlockFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans"),
                      QStringLiteral("Liberation Sans")});
    font.setPointSize(8);
    return font;
}

void loadCompanyBlock(QTextDocument &document, const QByteArray &rtf, const TextTables &texts)
{
    document.clear();
    document.setDefaultFont(companyBlockFont());
    if (!rtf.isEmpty() && !readRtf(rtf, document))
        document.clear();
    if (!document.toPlainText().isEmpty())
        return;
    QTextCursor cursor(&document);
    cursor.insertText(QStringLiteral("\n") + texts.Text_List(100));
    cursor.select(QTextCursor::Document);
    QTextCharFormat chars;
    chars.setFontPointSize(kCompanyPlaceholderPt);
    chars.setForeground(kPlaceholderGrey);
    chars.setFontWeight(QFont::Bold);
    cursor.mergeCharFormat(chars);
    QTextBlockFormat block;
    block.setAlignment(Qt::AlignHCenter);
    cursor.mergeBlockFormat(block);
}

} // namespace vorn::report
