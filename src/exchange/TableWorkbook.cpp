// A table as a one-sheet workbook.
#include "exchange/TableWorkbook.h"

#include "exchange/CellAddress.h"
#include "exchange/SpreadsheetAutomation.h"

#include <QFileInfo>

#include <cmath>

namespace vorn::exchange {

namespace {

constexpr double kDefaultWidth = 15;

void writeTitles(Worksheet &sheet, const WorkbookTable &table)
{
    const int columns = int(table.titles.size());
    for (int c = 0; c < columns; ++c) {
        SheetRange title = sheet.Range(CellName(c, 1));
        title.setValue(table.titles[c]);
        title.setColumnWidth(c < table.widths.size() ? table.widths[c] : kDefaultWidth);
    }
    if (columns == 0)
        return;
    SheetRange head = sheet.Range(CellName(0, 1), CellName(columns - 1, 1));
    head.Font().setFontStyle(u"Bold");
    head.Interior().setColor(kTitleFill);
}

void writeRow(Worksheet &sheet, const QList<TableCell> &cells, qint64 row)
{
    for (int c = 0; c < int(cells.size()); ++c) {
        const TableCell &cell = cells[c];
        SheetRange range = sheet.Range(CellName(c, row));
        if (cell.number && std::isfinite(*cell.number))
            range.setValue(*cell.number);
        else
            range.setValue(cell.text);
        if (cell.fill)
            range.Interior().setColor(*cell.fill);
    }
}

} // namespace

ExportResult writeTableWorkbook(const WorkbookTable &table, const QString &target)
{
    return guardedExport([&] {
        SpreadsheetApplication Excel(QFileInfo(target).absolutePath());
        Excel.setVisible(false);
        Workbook &WB = Excel.WorkBooks().Add();
        Worksheet &WS = WB.WorkSheets().Add();
        if (!table.sheetName.isEmpty())
            WS.setName(table.sheetName);
        writeTitles(WS, table);
        for (qint64 r = 0; r < table.rows.size(); ++r)
            writeRow(WS, table.rows[r], r + 2);
        WB.SaveAs(target, 1);
        Excel.Quit();
    });
}

} // namespace vorn::exchange
