// The comparison window's commands: choosing the measurements, bringing a
// measurement's graph window to the front, and the exports of the table (a
// workbook) and of the chart (clipboard, BMP, PDF).
#include "TFrm_Compare.h"

#include "CompareMeasurement.h"
#include "app/ui/UserPrompts.h"
#include "engines/ChartExport.h"
#include "engines/ChartWidget.h"
#include "exchange/SampleExport.h"
#include "exchange/TableWorkbook.h"
#include "exchange/ui/TLxListViewSearch.h"
#include "graph/CompareTable.h"
#include "graph/MeasuringTexts.h"
#include "settings/LanguageTables.h"

#include <QDateTime>
#include <QFileInfo>

namespace vorn::graphui {

namespace {

// Fills of the verdict cells in the workbook, $00BBGGRR: light green, light red.
constexpr qint32 kPassFill = 0x00CEEFC6;
constexpr qint32 kFailFill = 0x00CEC7FF;

// A value the device reported, as a number; an empty cell otherwise.
vorn::exchange::TableCell reportedNumber(qint64 value)
{
    if (value == -1)
        return {};
    return {QString(), double(value), std::nullopt};
}

QList<vorn::exchange::TableCell> workbookRow(const vorn::graph::CompareRow &row, const TextTables &texts)
{
    using vorn::exchange::TableCell;
    using vorn::graph::Verdict;
    const QStringList shown = vorn::graph::compareRowTexts(row, texts);
    std::optional<qint32> fill;
    if (row.verdict != Verdict::None)
        fill = row.verdict == Verdict::Pass ? kPassFill : kFailFill;
    return {
        TableCell{row.file, std::nullopt, std::nullopt},
        reportedNumber(row.Meres_No),
        TableCell{row.date, std::nullopt, std::nullopt},
        TableCell{QString(), double(row.samples), std::nullopt},
        TableCell{QString(), double(row.dischargeSeconds) / 3600.0, std::nullopt},
        TableCell{QString(), row.dischargeAh, std::nullopt},
        reportedNumber(row.measuredPercent),
        reportedNumber(row.thresholdPercent),
        TableCell{shown[vorn::graph::ColVerdict], std::nullopt, fill},
        TableCell{QString(), double(row.warnings), std::nullopt},
    };
}

} // namespace

// ---- choosing -------------------------------------------------------------------

bool TFrm_Compare::chooseMeasurements()
{
    const TextTables &t = *m_host.texts;
    TFrm_ComparePick pick(isVisible() ? this : m_host.owner, t);
    // The first time every open window is offered ticked; later the ones
    // compared now stay ticked.
    for (const CompareOffer &offer : m_host.openMeasurements()) {
        const bool compared = std::any_of(m_curves.cbegin(), m_curves.cend(), [&](const Curve &c) {
            return c.measurement->window() == offer.window;
        });
        pick.addChoice({offer, nullptr, {}}, offer.title, m_curves.empty() || compared);
    }
    for (const Curve &curve : m_curves) {
        if (!curve.measurement->window())
            pick.addChoice({std::nullopt, curve.measurement, {}}, curve.measurement->title(), true);
    }
    if (pick.exec() != QDialog::Accepted)
        return false;
    const QList<CompareChoice> chosen = pick.chosen();
    if (chosen.isEmpty()) {
        m_host.Sajat_Dlg(t.Text_List(vorn::graph::kTextCompareNothingChosen), dtInformation);
        return false;
    }
    setMeasurements(chosen);
    return true;
}

void TFrm_Compare::Btn_ChooseClick()
{
    chooseMeasurements();
}

void TFrm_Compare::Lsv_TableDblClick(QTreeWidgetItem *item)
{
    const int index = item ? item->text(0).toInt() : -1;
    if (index < 0 || index >= measurementCount())
        return;
    CompareMeasurement *measurement = m_curves[size_t(index)].measurement;
    if (!measurement->window()) {
        if (measurement->path().isEmpty() || !QFileInfo::exists(measurement->path())) {
            m_host.Sajat_Dlg(m_host.texts->Err_List(1), dtError);
            return;
        }
        // Opened anew, its graph window's record is the one read from now
        // on; the one held here goes.
        m_host.openFile(measurement->path());
        for (const CompareOffer &offer : m_host.openMeasurements()) {
            if (measurement->isFile(offer.path)) {
                measurement->attach(offer);
                break;
            }
        }
    }
    if (measurement->window())
        m_host.showWindow(measurement->window());
}

// ---- exports --------------------------------------------------------------------

void TFrm_Compare::Btn_ExportTableClick()
{
    using namespace vorn::exchange;
    const TextTables &t = *m_host.texts;
    vorn::prompts::FileRequest request;
    request.title = t.Text_List(26);
    request.filter = QStringLiteral("Excel (*.xlsx)");
    request.proposedName = defaultExportName(QDateTime::currentDateTime());
    const QString chosen = vorn::prompts::saveFileName(this, request);
    if (chosen.isEmpty())
        return;
    const QString target = exportTargetPath(chosen);
    if (QFileInfo::exists(target) && m_host.Sajat_Dlg(t.Text_List(21), dtQuestion) == drNo)
        return;
    WorkbookTable table;
    table.sheetName = t.Text_List(vorn::graph::kTextCompare).left(31);
    table.titles = vorn::graph::compareColumnCaptions(t);
    table.widths = {30, 12, 18, 12, 14, 16, 14, 14, 14, 16};
    // The rows in the table's order, as the user sorted them.
    const TNewListView *list = Lsv_Table->ListView_SET();
    for (int r = 0; r < list->topLevelItemCount(); ++r) {
        const CompareMeasurement *m = measurement(list->topLevelItem(r)->text(0).toInt());
        table.rows.append(workbookRow(vorn::graph::compareRow(m->record(), m->title(), m->warnings()), t));
    }
    const ExportResult result = writeTableWorkbook(table, target);
    if (result.ok())
        m_host.Sajat_Dlg(t.Text_List(18), dtInformation);
    else
        m_host.Sajat_Dlg(t.Err_List(16) + u'\n' + result.reason, dtError);
}

void TFrm_Compare::Btn_CopyChartClick()
{
    Main_Chart->copyToClipboard();
    m_host.Sajat_Dlg(m_host.texts->Text_List(55), dtInformation);
}

void TFrm_Compare::Btn_SaveBmpClick()
{
    const TextTables &t = *m_host.texts;
    vorn::prompts::FileRequest request;
    request.title = t.Text_List(57);
    request.filter = QStringLiteral("Bitmap (*.bmp *.BMP)");
    const QString path = vorn::prompts::saveFileNameWithSuffix(this, request, QStringLiteral("bmp"));
    if (path.isEmpty())
        return;
    QString error;
    if (Main_Chart->saveToBmp(path, &error))
        m_host.Sajat_Dlg(t.Text_List(56), dtInformation);
    else
        m_host.Sajat_Dlg(t.Err_List(2) + u'\n' + error, dtError);
}

void TFrm_Compare::Btn_SavePdfClick()
{
    const TextTables &t = *m_host.texts;
    vorn::prompts::FileRequest request;
    request.title = t.Text_List(114);
    request.filter = QStringLiteral("Portable Document Format (PDF) (*.pdf)");
    const QString path = vorn::prompts::saveFileNameWithSuffix(this, request, QStringLiteral("pdf"));
    if (path.isEmpty())
        return;
    QString error;
    if (vorn::chart::saveChartPdf(*Main_Chart, Main_Chart->size(), path, windowTitle(), {}, &error))
        m_host.Sajat_Dlg(t.Text_List(115), dtInformation);
    else
        m_host.Sajat_Dlg(t.Err_List(14) + u'\n' + error, dtError);
}

} // namespace vorn::graphui
