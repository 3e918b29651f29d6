// The report window's outputs: print preview (with printing, page setup and
// a PDF export), PDF file, chart as bitmap file and chart to the clipboard.
#include "TFrm_Report.h"

#include "app/Artwork.h"
#include "app/ui/UserPrompts.h"
#include "engines/ChartWidget.h"
#include "engines/ReportTemplate.h"
#include "measurement/MeasurementRecord.h"
#include "report/ReportBuild.h"
#include "report/ReportRules.h"
#include "report/RichText.h"
#include "settings/LanguageTables.h"
#include "settings/SettingsFile.h"

#include <QCheckBox>
#include <QDateTime>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>
#include <QTextEdit>
#include <QToolBar>

#include <algorithm>
#include <exception>

namespace {

TFrm_Report::PreviewHook &previewHook()
{
    static TFrm_Report::PreviewHook hook;
    return hook;
}

constexpr int kPreviewWidth = 1000;
const QString kPdfFilter = QStringLiteral("Portable Document Format (PDF) (*.pdf)");
const QString kBitmapFilter = QStringLiteral("Windows Bitmap (*.BMP)");

// The lines of a text box; an empty box has none.
QStringList linesOf(const QString &text)
{
    return text.isEmpty() ? QStringList() : text.split(u'\n');
}

} // namespace

void TFrm_Report::setPreviewHook(PreviewHook hook)
{
    previewHook() = std::move(hook);
}

vorn::report::ReportContent TFrm_Report::reportContent() const
{
    vorn::report::ReportContent c;
    c.Edt_Name = Edt_Name->text();
    c.Edt_Locate = Edt_Locate->text();
    c.Edt_Hardvare = Edt_Hardvare->text();
    c.Edt_DateTime = Edt_DateTime->text();
    c.Edt_dateTime_report = Edt_dateTime_report->text();
    c.companyRtf = vorn::report::writeRtf(*Mem_cegparams->document());
    c.logo = m_logo;
    c.Use_Kep = m_host.record->Use_Kep;
    c.comment = Mem_Megjegyzes->toPlainText();
    c.params = linesOf(Mem_params->toPlainText());
    c.results = linesOf(REdt_results->toPlainText());
    c.periods = linesOf(RichEdit1->toPlainText());
    c.hasThreshold = m_host.record->Minosit_szaz != -1;
    c.Is_Accepted = Is_Accepted;
    c.paramsHeading = Lbl_Params->text();
    c.resultsHeading = Lbl_Results->text();
    c.commentHeading = Lbl_Comment->text();
    c.blackWhite = Chb_black->isChecked();
    return c;
}

bool TFrm_Report::makeReport(vorn::report::ReportTemplate &report, QString *error)
{
    report = vorn::report::ReportTemplate::testReport();
    const vorn::report::ReportChartSource chart{
        JChart, [this](vorn::chart::ChartCanvas &canvas) { JChartAfterDraw(&canvas); }, JChart->size()};
    return vorn::report::Set_Report(report, reportContent(), chart, *m_host.texts,
                                    QDateTime::currentDateTime(), error);
}

void TFrm_Report::restoreChart()
{
    JChart->setMonochrome(false);
    JChart->setBackgroundColor(vorn::colorFromBgr(m_host.colors._c2));
}

// ---- print ------------------------------------------------------------------

void TFrm_Report::Btn_PrintClick()
{
    QString error;
    try {
        vorn::report::ReportTemplate report;
        if (makeReport(report, &error))
            showPreview(report);
    } catch (const std::exception &failure) {
        error = QString::fromLocal8Bit(failure.what());
    }
    restoreChart();
    if (!error.isEmpty())
        reportFailure(m_host.texts->Err_List(13) + u'\n' + error);
}

void TFrm_Report::showPreview(vorn::report::ReportTemplate &report)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(report.preparedPageLayout(0));
    printer.setDocName(m_host.texts->Text_List(111));
    QPrintPreviewDialog preview(&printer, this);
    preview.setWindowTitle(m_host.texts->Text_List(29));
    // Room for a whole page at a readable zoom and for every tool button.
    if (const QScreen *shown = screen()) {
        const QRect area = shown->availableGeometry();
        preview.resize(std::min(area.width() * 9 / 10, kPreviewWidth), area.height() * 9 / 10);
    }
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [this, &report](QPrinter *device) {
        QString error;
        if (!report.print(*device, &error))
            reportFailure(m_host.texts->Err_List(13) + u'\n' + error);
    });
    if (QToolBar *tools = preview.findChild<QToolBar *>()) {
        tools->addSeparator();
        QAction *pdf = tools->addAction(vorn::art::icon(QStringLiteral("rp_pdf")), m_host.texts->Text_List(109));
        pdf->setObjectName(QStringLiteral("PreviewPdf"));
        connect(pdf, &QAction::triggered, &preview, [this, &report, &preview] {
            vorn::prompts::FileRequest request;
            request.title = m_host.texts->Text_List(114);
            request.filter = kPdfFilter;
            const QString chosen = vorn::prompts::saveFileName(&preview, request);
            if (!chosen.isEmpty())
                exportPdf(chosen, report);
        });
    }
    if (previewHook()) {
        previewHook()(preview);
        return;
    }
    preview.exec();
}

// ---- PDF --------------------------------------------------------------------

bool TFrm_Report::exportPdf(const QString &chosen, vorn::report::ReportTemplate &report)
{
    QString error;
    if (vorn::report::writeReportPdf(report, vorn::report::pdfFileName(chosen), *m_host.texts, &error))
        return true;
    reportFailure(m_host.texts->Err_List(14) + u'\n' + error);
    return false;
}

void TFrm_Report::Btn_PDFClick()
{
    vorn::prompts::FileRequest request;
    request.title = m_host.texts->Text_List(114);
    request.filter = kPdfFilter;
    const QString chosen = vorn::prompts::saveFileName(this, request);
    if (chosen.isEmpty())
        return;
    QString error;
    try {
        vorn::report::ReportTemplate report;
        if (makeReport(report, &error))
            exportPdf(chosen, report);
    } catch (const std::exception &failure) {
        error = QString::fromLocal8Bit(failure.what());
    }
    restoreChart();
    if (!error.isEmpty())
        reportFailure(m_host.texts->Err_List(14) + u'\n' + error);
}

// ---- chart pictures -----------------------------------------------------------

void TFrm_Report::SpeedButton3Click()
{
    vorn::prompts::FileRequest request;
    request.title = m_host.texts->Text_List(57);
    request.filter = kBitmapFilter;
    const QString chosen = vorn::prompts::saveFileName(this, request);
    if (chosen.isEmpty())
        return;
    QString error;
    if (JChart->saveToBmp(chosen + QStringLiteral(".BMP"), &error))
        m_host.Sajat_Dlg(m_host.texts->Text_List(56), dtInformation);
    else
        reportFailure(m_host.texts->Err_List(2) + u'\n' + error);
}

void TFrm_Report::SpeedButton4Click()
{
    JChart->copyToClipboard();
    m_host.Sajat_Dlg(m_host.texts->Text_List(55), dtInformation);
}
