// A table — column titles and rows of text or number cells — written as a
// workbook of one sheet through the spreadsheet layer (the comparison
// table's export).
#pragma once

#include "exchange/SampleExport.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace vorn::exchange {

struct TableCell {
    QString text;                  // written when there is no number
    std::optional<double> number;  // a finite number, written as a number
    std::optional<qint32> fill;    // solid fill, $00BBGGRR
};

struct WorkbookTable {
    QString sheetName;             // at most 31 characters, none of []:*?/\ .
    QStringList titles;            // bold, on the light-blue title fill
    QList<double> widths;          // per column, in characters; missing ones 15
    QList<QList<TableCell>> rows;
};

// Writes the table to `target` (used as given); an existing file is replaced
// only by the finished workbook. At most 26 columns.
ExportResult writeTableWorkbook(const WorkbookTable &table, const QString &target);

} // namespace vorn::exchange
