// The batch summary's rows, its CSV and workbook, and the exit status.
#include "BatchSummary.h"

#include "exchange/CellAddress.h"
#include "exchange/SpreadsheetAutomation.h"
#include "graph/CycleTable.h"
#include "measurement/MeasurementRecord.h"

#include <QFileInfo>

#include <algorithm>
#include <new>

namespace vorn::batch {

namespace {

// Fills of the verdict cell, $00BBGGRR: RGB C6 EF CE (green), FF C7 CE (red).
constexpr qint32 kPassFill = 0x00CEEFC6;
constexpr qint32 kFailFill = 0x00CEC7FF;
constexpr double kWideColumn = 28;
constexpr double kNarrowColumn = 13;
constexpr int kVerdictColumn = 8;

struct Cell {
    bool numeric = false;
    long long number = 0;
    QString text;
};

Cell textCell(const QString &text) { return Cell{false, 0, text}; }
Cell numberCell(long long number) { return Cell{true, number, QString::number(number)}; }
Cell optionalCell(const std::optional<int> &value) { return value ? numberCell(*value) : Cell{}; }

QString verdictWord(graph::Verdict verdict)
{
    switch (verdict) {
    case graph::Verdict::Pass: return QStringLiteral("PASS");
    case graph::Verdict::Fail: return QStringLiteral("FAIL");
    case graph::Verdict::None: break;
    }
    return {};
}

std::vector<Cell> cellsOf(const SummaryRow &row)
{
    std::vector<Cell> cells{textCell(row.file), textCell(row.sha256)};
    if (row.evaluated) {
        cells.insert(cells.end(), {numberCell(row.samples), numberCell(row.interval),
                                   numberCell(row.duration), numberCell(row.dischargeDuration),
                                   optionalCell(row.capacity), optionalCell(row.threshold),
                                   textCell(verdictWord(row.verdict)),
                                   textCell(row.testerVerdict.value_or(QString())),
                                   numberCell(row.periods), numberCell(row.warnings)});
    } else {
        cells.resize(cells.size() + 10);
    }
    cells.insert(cells.end(), {textCell(row.error), textCell(row.output)});
    return cells;
}

void appendCsvField(QByteArray &out, const QString &field)
{
    const QByteArray bytes = field.toUtf8();
    if (!bytes.contains(',') && !bytes.contains('"') && !bytes.contains('\r')
        && !bytes.contains('\n')) {
        out += bytes;
        return;
    }
    out += '"';
    for (char c : bytes) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

void appendCsvLine(QByteArray &out, const std::vector<QString> &fields)
{
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            out += ',';
        appendCsvField(out, fields[i]);
    }
    out += "\r\n";
}

void writeSheet(exchange::Worksheet &sheet, const std::vector<SummaryRow> &rows)
{
    using exchange::CellName;
    const std::vector<QString> &titles = summaryColumns();
    for (int column = 0; column < int(titles.size()); ++column) {
        exchange::SheetRange title = sheet.Range(CellName(column, 1));
        title.setValue(QStringView(titles[std::size_t(column)]));
        title.Font().setFontStyle(u"Bold");
        const bool wide = column == 0 || column == 1 || column == 12;
        title.setColumnWidth(wide ? kWideColumn : kNarrowColumn);
    }
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const std::vector<Cell> cells = cellsOf(rows[r]);
        const qint64 line = qint64(r) + 2;
        for (int column = 0; column < int(cells.size()); ++column) {
            const Cell &cell = cells[std::size_t(column)];
            if (cell.numeric)
                sheet.Range(CellName(column, line)).setValue(cell.number);
            else if (!cell.text.isEmpty())
                sheet.Range(CellName(column, line)).setValue(QStringView(cell.text));
        }
        if (rows[r].evaluated && rows[r].verdict != graph::Verdict::None) {
            exchange::SheetRange verdict = sheet.Range(CellName(kVerdictColumn, line));
            verdict.Font().setFontStyle(u"Bold");
            verdict.Interior().setColor(rows[r].verdict == graph::Verdict::Pass ? kPassFill
                                                                                : kFailFill);
        }
    }
}

} // namespace

void fillEvaluation(SummaryRow &row, const TFile_Datas &record)
{
    row.evaluated = true;
    row.samples = static_cast<long long>(record.Meres_Datas.size());
    row.interval = record.Mint_ido;
    row.duration = row.samples * record.Mint_ido;
    const std::vector<graph::CycleSegment> periods =
        graph::Meresi_Param_Szetvalogatas(record, graph::CycleInfoList);
    row.periods = int(periods.size());
    row.dischargeDuration = 0;
    for (const graph::CycleSegment &period : periods) {
        if (!period.charge)
            row.dischargeDuration += period.seconds;
    }
    row.capacity = record.Mert_kap == -1 ? std::nullopt : std::optional<int>(record.Mert_kap);
    row.threshold =
        record.Minosit_szaz == -1 ? std::nullopt : std::optional<int>(record.Minosit_szaz);
    row.verdict = graph::qualificationVerdict(record);
}

const std::vector<QString> &summaryColumns()
{
    static const std::vector<QString> columns{
        QStringLiteral("File"),          QStringLiteral("SHA-256"),
        QStringLiteral("Samples"),       QStringLiteral("Interval (s)"),
        QStringLiteral("Duration (s)"),  QStringLiteral("Discharge (s)"),
        QStringLiteral("Capacity (%)"),  QStringLiteral("Threshold (%)"),
        QStringLiteral("Verdict"),       QStringLiteral("Tester verdict"),
        QStringLiteral("Periods"),       QStringLiteral("Warnings"),
        QStringLiteral("Error"),         QStringLiteral("Output"),
    };
    return columns;
}

std::vector<QString> summaryCells(const SummaryRow &row)
{
    std::vector<QString> texts;
    for (const Cell &cell : cellsOf(row))
        texts.push_back(cell.text);
    return texts;
}

QByteArray summaryCsv(const std::vector<SummaryRow> &rows)
{
    QByteArray out;
    appendCsvLine(out, summaryColumns());
    for (const SummaryRow &row : rows)
        appendCsvLine(out, summaryCells(row));
    return out;
}

bool writeSummaryWorkbook(const std::vector<SummaryRow> &rows, const QString &path,
                          const QDateTime &created, QString *error)
{
    try {
        exchange::SpreadsheetApplication excel(QFileInfo(path).absolutePath());
        exchange::Workbook &book = excel.WorkBooks().Add();
        book.setCreated(created);
        exchange::Worksheet &sheet = book.WorkSheets().Add();
        sheet.setName(QStringLiteral("Summary"));
        writeSheet(sheet, rows);
        book.SaveAs(path, 51);
        excel.Quit();
        return true;
    } catch (const exchange::SpreadsheetError &failure) {
        if (error)
            *error = failure.reason();
    } catch (const std::bad_alloc &) {
        if (error)
            *error = path + QStringLiteral(": not enough memory");
    }
    return false;
}

int batchExitStatus(const std::vector<SummaryRow> &rows)
{
    const auto any = [&rows](auto test) { return std::any_of(rows.begin(), rows.end(), test); };
    if (any([](const SummaryRow &row) { return row.rejected || row.outputFailed; }))
        return kBatchErrors;
    if (any([](const SummaryRow &row) { return row.verdict == graph::Verdict::Fail; }))
        return kBatchFailed;
    return kBatchPassed;
}

} // namespace vorn::batch
