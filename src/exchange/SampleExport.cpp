// The spreadsheet export: its call sequence on the spreadsheet layer, the
// sheet names, the file name rules.
#include "SampleExport.h"

#include "CellAddress.h"
#include "SpreadsheetAutomation.h"
#include "measurement/ProgressMath.h"

#include <QDir>
#include <QFileInfo>

#include <new>

namespace vorn::exchange {

namespace {

// Reports the progress only when what the progress window shows changes.
class ProgressTicker {
public:
    ProgressTicker(qint64 total, const ExportProgressFn &report)
        : m_total(std::max<qint64>(total, 1)), m_report(report)
    {
    }

    void at(qint64 done)
    {
        if (!m_report)
            return;
        const double share = double(done) / double(m_total);
        using measurement::roundHalfEven;
        const int shown = roundHalfEven(share * measurement::kProgressBarWidth) * 1000
                          + roundHalfEven(share * 100);
        if (shown == m_shown)
            return;
        m_shown = shown;
        m_report(done, m_total);
    }
    void finish() { at(m_total); }

private:
    qint64 m_total;
    const ExportProgressFn &m_report;
    int m_shown = -1;
};

// Step 9 and 10: the sample rows, sheet by sheet, and the last sheet's name.
void writeSamples(Workbook &WB, Worksheet *WS, const TFile_Datas &record,
                  const ExportProgressFn &progress)
{
    const std::vector<TMeres_Datas> &samples = record.Meres_Datas;
    const auto N = qint64(samples.size());
    const qint64 M = record.Mint_ido;
    ProgressTicker ticker(N - 1, progress);
    qint64 before = 0;
    int r = 0;
    for (qint64 k = 0; k < N; ++k) {
        ticker.at(k);
        const qint64 row = r + 2;
        const TMeres_Datas &sample = samples[std::size_t(k)];
        WS->Range(CellName(u'A', row)).setValue(M * k);
        WS->Range(CellName(u'B', row)).setValue(sample.Meres_fesz);
        WS->Range(CellName(u'C', row)).setValue(sample.Meres_Aram);
        WS->Range(CellName(u'D', row)).setValue(sample.Is_Toltes ? QStringView(u"Charge")
                                                                 : QStringView(u"Discharge"));
        if (++r == kRowsPerSheet) {
            WS->setName(fullSheetName(M, before, k + 1));
            before = k + 1;
            WS = &WB.WorkSheets().Add();
            Add_Columns(*WS);
            r = 0;
        }
    }
    WS->setName(lastSheetName(M, before, N));
    ticker.finish();
}

} // namespace

namespace {

ExportOutcome outcomeOf(SpreadsheetFailure failure)
{
    switch (failure) {
    case SpreadsheetFailure::CannotStart:
        return ExportOutcome::CannotStart;
    case SpreadsheetFailure::CannotReplaceTarget:
        return ExportOutcome::CannotReplaceTarget;
    case SpreadsheetFailure::Failed:
        break;
    }
    return ExportOutcome::Failed;
}

} // namespace

ExportResult guardedExport(const std::function<void()> &write)
{
    try {
        write();
        return {ExportOutcome::Done, {}};
    } catch (const SpreadsheetError &error) {
        return {outcomeOf(error.kind()), error.reason()};
    } catch (const std::bad_alloc &) {
        return {ExportOutcome::Failed, QStringLiteral("not enough memory")};
    } catch (const std::exception &error) {
        return {ExportOutcome::Failed, QString::fromUtf8(error.what())};
    }
}

QString defaultExportName(const QDateTime &now)
{
    return QStringLiteral("merexp ") + now.toString(QStringLiteral("yyMMdd_HHmm"));
}

QString exportTargetPath(const QString &chosenPath)
{
    const qsizetype nameStart =
        std::max(chosenPath.lastIndexOf(u'/'), chosenPath.lastIndexOf(QDir::separator())) + 1;
    const qsizetype dot = chosenPath.indexOf(u'.', nameStart);
    return (dot >= 0 ? chosenPath.left(dot) : chosenPath) + QStringLiteral(".xlsx");
}

QString fullSheetName(qint64 Mint_ido, qint64 before, qint64 upTo)
{
    return QString::number(Mint_ido * before) + QStringLiteral("s - ")
           + QString::number(Mint_ido * upTo) + QStringLiteral(" s");
}

QString lastSheetName(qint64 Mint_ido, qint64 before, qint64 upTo)
{
    return QString::number(Mint_ido * before) + QStringLiteral(" s - ")
           + QString::number(Mint_ido * upTo) + QStringLiteral(" s");
}

void Add_Columns(Worksheet &WS)
{
    struct Column {
        const char16_t *cell;
        const char16_t *title;
        int width;
    };
    static constexpr Column kColumns[] = {
        {u"A1", u"Time (sec)", 20},
        {u"B1", u"Voltage", 20},
        {u"C1", u"Current", 20},
        {u"D1", u"Status", 30},
    };
    for (const Column &column : kColumns) {
        WS.Range(column.cell).setValue(QStringView(column.title));
        WS.Range(column.cell).setColumnWidth(column.width);
        WS.Range(column.cell).Font().setFontStyle(u"Bold");
    }
    WS.Range(u"A1", u"D1").Interior().setColor(kTitleFill);
}

bool canReplaceExisting(const QString &path)
{
    const QFileInfo target(path);
    if (!target.exists())
        return true;
    return target.isFile() && target.isWritable() && QFileInfo(target.absolutePath()).isWritable();
}

ExportResult exportSamples(const TFile_Datas &record, const QString &target,
                           const ExportSteps &steps, const QDateTime &now)
{
    return guardedExport([&] {
        SpreadsheetApplication Excel(QFileInfo(target).absolutePath());
        Excel.setCaption(defaultExportName(now));
        Excel.setVisible(false);
        Workbook &WB = Excel.WorkBooks().Add();
        WB.setCreated(now);
        Worksheet &WS = WB.WorkSheets().Add();
        Add_Columns(WS);
        if (steps.started)
            steps.started();
        writeSamples(WB, &WS, record, steps.progress);
        Excel.Application().WorkBooks()(1).SaveAs(target, 1);
        Excel.Quit();
    });
}

} // namespace vorn::exchange
