// The report window's filling from the measurement (Set_Chart_Color,
// Fill_Values), the logo menu, and what closing the window writes back.
#include "TFrm_Report.h"

#include "app/ui/UserPrompts.h"
#include "engines/ChartWidget.h"
#include "measurement/MeasurementRecord.h"
#include "report/ReportFields.h"
#include "report/RichText.h"
#include "settings/LanguageTables.h"

#include <QDir>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextEdit>

namespace {

// The verdict line stands out: bold, 5 pixels taller, green or red.
constexpr int kVerdictGrowth = 5;
const QColor kPassGreen(0, 128, 0);
const QColor kFailRed(255, 0, 0);

const QString kPictureFilter =
    QStringLiteral("Windows Bitmap (*.BMP *.bmp);;(*.JPG *.jpg);;(*.JPEG *.jpeg)");

} // namespace

void TFrm_Report::Set_Chart_Color()
{
    vorn::report::setReportChartColors(*JChart, series, m_host.record->Meres_Datas, m_host.colors);
}

void TFrm_Report::Fill_Values()
{
    TFile_Datas &record = *m_host.record;
    const vorn::report::ReportFields fields =
        vorn::report::fillReportFields(record, *m_host.texts, m_files, m_host.fileDate_report);
    showLogo(fields.logo);

    Edt_Name->setText(fields.Edt_Name);
    Edt_Hardvare->setText(fields.Edt_Hardvare);
    Edt_Locate->setText(fields.Edt_Locate);
    Edt_DateTime->setText(fields.Edt_DateTime);

    vorn::report::loadCompanyBlock(*Mem_cegparams->document(), fields.companyRtf, *m_host.texts);
    Mem_Megjegyzes->setPlainText(fields.Mem_Megjegyzes);
    Mem_params->setPlainText(fields.Mem_params.join(u'\n'));
    RichEdit1->setPlainText(fields.RichEdit1.join(u'\n'));
    showResults(fields.REdt_results, fields.verdict);
    Is_Accepted = fields.Is_Accepted;
}

void TFrm_Report::showLogo(const QImage &logo)
{
    m_logo = logo;
    const bool shown = !logo.isNull();
    if (shown)
        Img_Kep->setPixmap(QPixmap::fromImage(logo));
    else
        Img_Kep->clear();
    Img_Kep->setVisible(shown);
    Lbl_Logo1->setVisible(!shown);
    Lbl_Logo2->setVisible(!shown);
}

void TFrm_Report::showResults(const QStringList &lines, vorn::graph::Verdict verdict)
{
    REdt_results->clear();
    QTextCursor cursor(REdt_results->document());
    const qsizetype plain = verdict == vorn::graph::Verdict::None ? lines.size() : lines.size() - 1;
    cursor.insertText(lines.mid(0, plain).join(u'\n'));
    if (plain == lines.size())
        return;
    QTextCharFormat verdictFormat;
    verdictFormat.setForeground(verdict == vorn::graph::Verdict::Pass ? kPassGreen : kFailRed);
    verdictFormat.setFontWeight(QFont::Bold);
    verdictFormat.setFontPointSize(REdt_results->font().pointSizeF() + kVerdictGrowth * 0.75);
    if (plain > 0)
        cursor.insertBlock();
    cursor.insertText(lines.last(), verdictFormat);
}

// ---- logo -------------------------------------------------------------------

void TFrm_Report::Logo01Click()
{
    vorn::prompts::FileRequest request;
    request.filter = kPictureFilter;
    const QString path = vorn::prompts::openFileName(this, request);
    if (path.isEmpty())
        return;
    QImageReader reader(path);
    const QImage picture = reader.read().convertToFormat(QImage::Format_RGB32);
    if (picture.isNull()) {
        reportFailure(m_host.texts->Err_List(8) + u'\n' + QDir::toNativeSeparators(path)
                      + QStringLiteral(": ") + reader.errorString());
        return;
    }
    showLogo(picture);
    m_host.record->Kep.setImage(picture);
    QString error;
    if (!m_files.writeLogo(picture, &error))
        reportFailure(m_host.texts->Err_List(27) + u'\n' + error);
    m_host.record->Use_Kep = true;
    if (m_host.setModified)
        m_host.setModified();
}

void TFrm_Report::Logo02Click()
{
    showLogo({});
    m_host.record->Use_Kep = false;
    QString error;
    if (!m_files.removeLogo(&error))
        reportFailure(m_host.texts->Err_List(2) + u'\n' + error);
    if (m_host.setModified)
        m_host.setModified();
}

// ---- closing ----------------------------------------------------------------

void TFrm_Report::done(int result)
{
    if (!m_closed) {
        m_closed = true;
        FormClose();
    }
    QDialog::done(result);
}

void TFrm_Report::FormClose()
{
    TFile_Datas &record = *m_host.record;
    record.MVN = Edt_Name->text();
    record.MH = Edt_Locate->text();
    record.MHM = Edt_Hardvare->text();
    record.MDT = Edt_DateTime->text();
    record.Megj = Mem_Megjegyzes->toPlainText().replace(u'\n', QStringLiteral("\r\n"));

    QString error;
    if (!m_files.writeCompany(vorn::report::writeRtf(*Mem_cegparams->document()), &error)
        || !m_files.writeIdentification(
            {Edt_Name->text(), Edt_Locate->text(), Edt_Hardvare->text(), Edt_DateTime->text()}, &error))
        reportFailure(m_host.texts->Err_List(2) + u'\n' + error);
}

void TFrm_Report::reportFailure(const QString &text)
{
    if (m_host.Sajat_Dlg)
        m_host.Sajat_Dlg(text, dtError);
}
