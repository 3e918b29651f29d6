// Indices of the language-table entries of the two cursors and the
// comparison of measurements.
#pragma once

namespace vorn::graph {

// Text_List: the cursor button's hint and its menu entry.
inline constexpr int kTextSpanCursors = 196;
// Text_List: the read-out panel's column heads of the voltage statistics.
inline constexpr int kTextMean = 197;
inline constexpr int kTextMinimum = 198;
inline constexpr int kTextMaximum = 199;
// Text_List: the read-out panel's hint (Ctrl+C copies it).
inline constexpr int kTextSpanCopyHint = 200;
// Text_List: the comparison command, its hint and the window's caption.
inline constexpr int kTextCompare = 201;
// Text_List: choosing the measurements (button and dialog caption).
inline constexpr int kTextCompareChoose = 202;
// Text_List: adding files to the choice.
inline constexpr int kTextCompareAddFiles = 203;
// Text_List: the alignment switch (ticked: first discharge; else first sample).
inline constexpr int kTextCompareAlign = 204;
// Text_List: the table's workbook export.
inline constexpr int kTextCompareExportTable = 205;
// Text_List: nothing was chosen to compare.
inline constexpr int kTextCompareNothingChosen = 206;
// Text_List: the table's column of integrity warnings.
inline constexpr int kTextCompareWarnings = 207;

} // namespace vorn::graph
