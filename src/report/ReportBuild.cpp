// A measurement's report made without a window, and the PDF writing both use.
#include "report/ReportBuild.h"

#include "app/ui/AppVersion.h"
#include "engines/ChartModel.h"
#include "engines/ChartSeries.h"
#include "engines/ReportPdfExport.h"
#include "engines/ReportTemplate.h"
#include "measurement/MeasurementReader.h"
#include "measurement/MeasurementRecord.h"
#include "report/ReportDataFiles.h"
#include "report/RichText.h"
#include "settings/LanguageTables.h"

#include <QTextDocument>

namespace vorn::report {

ReportContent contentFromFields(const ReportFields &fields, const TFile_Datas &record,
                                const TextTables &texts)
{
    ReportContent content;
    content.Edt_Name = fields.Edt_Name;
    content.Edt_Locate = fields.Edt_Locate;
    content.Edt_Hardvare = fields.Edt_Hardvare;
    content.Edt_DateTime = fields.Edt_DateTime;
    content.Edt_dateTime_report = fields.Edt_dateTime_report;
    QTextDocument company;
    loadCompanyBlock(company, fields.companyRtf, texts);
    content.companyRtf = writeRtf(company);
    content.logo = fields.logo;
    content.Use_Kep = record.Use_Kep;
    content.comment = fields.Mem_Megjegyzes;
    content.params = fields.Mem_params;
    content.results = fields.REdt_results;
    content.periods = fields.RichEdit1;
    content.hasThreshold = record.Minosit_szaz != -1;
    content.Is_Accepted = fields.Is_Accepted;
    content.paramsHeading = paramsHeading(texts);
    content.resultsHeading = resultsHeading(texts);
    content.commentHeading = commentHeading(texts);
    return content;
}

void setReportSeriesTitles(const ReportSeries &series, const TextTables &texts)
{
    series.Series1->setTitle(texts.Text_List(36));
    series.Series2->setTitle(texts.Text_List(37));
}

bool writeReportPdf(const ReportTemplate &report, const QString &path, const TextTables &texts,
                    QString *error)
{
    ReportPdfExport pdf;
    pdf.fileName = path;
    pdf.showDialog = false;
    pdf.showProgress = true;
    pdf.overwritePrompt = false;
    pdf.title = texts.Text_List(111);
    pdf.creator = QStringLiteral("VORN ") + QLatin1String(kVersionText);
    return pdf.exportReport(report, error);
}

RecordReportResult writeRecordReport(TFile_Datas record, const TextTables &texts,
                                     const ReportDataFiles &files, const RecordReportOptions &options,
                                     const QString &pdfPath)
{
    RecordReportResult result;
    const std::optional<OpeningView> view = openingView(record, texts);
    if (!view) {
        result.rejectedError = measurement::kErrCannotRead;
        return result;
    }
    chart::ChartModel model;
    model.setChartSize(kReportChartSize);
    const ReportSeries series = designReportChart(model);
    fillSeriesFromRecord(series, record, view->unit);
    setReportChartColors(model, series, record.Meres_Datas, options.colors);
    const ReportFields fields = fillReportFields(record, texts, files, options.fileDate);
    setReportSeriesTitles(series, texts);
    setReportAxes(model, view->axes);
    model.setLegendVisible(options.legend);

    ReportContent content = contentFromFields(fields, record, texts);
    content.blackWhite = options.blackWhite;
    ReportTemplate report = ReportTemplate::testReport();
    const ReportChartSource chart{&model, {}, kReportChartSize};
    if (!Set_Report(report, content, chart, texts, options.printedAt, &result.error))
        return result;
    if (!writeReportPdf(report, pdfPath, texts, &result.error) && result.error.isEmpty())
        result.error = pdfPath + QStringLiteral(": the PDF cannot be written");
    return result;
}

} // namespace vorn::report
