// The texts of the two cursors' read-out panel and of its copy on the
// clipboard, and where the panel may stand on the chart.
#pragma once

#include "graph/SpanMeasure.h"

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QStringList>

#include <optional>
#include <vector>

struct TFile_Datas;

namespace vorn {
class TextTables;
}

namespace vorn::graph {

// The panel's rows, four cells each (decimal comma):
//   A   | time unit | U V | I A        cursor A (cursor B likewise)
//   B   | ...
//   Δt  | time unit | ΔU  | U V
//       | charge    | discharge | total
//   A·h | ...                           charge moved ("#0.00")
//   W·h | ...                           energy ("#0.00")
//       | mean      | minimum   | maximum
//   U   | V         | V         | V
// Times in `unit` (0 s, 1 min, 2 h). A cursor not placed (-1) shows "---",
// and so does every value between the cursors until both are placed.
QList<QStringList> spanReadoutRows(const TFile_Datas &record, qint64 cursorA, qint64 cursorB,
                                   int unit, const TextTables &texts);

// A value in "#0.00", a blank and its unit: "12,07 V".
QString readoutValue(double value, const QString &unit);

// The rows as text: cells separated by a tab, rows by a line end.
QString spanReadoutText(const QList<QStringList> &rows);

// Where a panel of `panel` size stands on a plot: at `wanted` (moved inside
// the plot as far as it fits) when that covers none of `keepClear` (the
// curves' last samples, with `margin` pixels around them); else at the first
// corner of the plot, inset by `margin` (top left, bottom left, top right,
// bottom right), that covers none; else at `wanted`, or the top left corner
// when nothing is wanted.
QPoint readoutPanelPlace(const QRect &plot, QSize panel, std::optional<QPoint> wanted,
                         const std::vector<QPoint> &keepClear, int margin = 6);

} // namespace vorn::graph
