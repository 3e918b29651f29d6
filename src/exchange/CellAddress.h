// Cell references of the spreadsheet layer: "A1"-style names read into a row
// and a column, and built without touching the heap (the export names four
// cells per sample).
#pragma once

#include <QStringView>

#include <array>
#include <optional>

namespace vorn::exchange {

// Largest sheet a workbook file can hold.
inline constexpr int kMaxSheetRows = 1'048'576;
inline constexpr int kMaxSheetColumns = 16'384;

// A cell by position, both counted from 0: "A1" is {0, 0}, "D7" is {6, 3}.
struct CellPosition {
    int row = 0;
    int column = 0;
    friend bool operator==(const CellPosition &, const CellPosition &) = default;
};

// Reads a reference such as "A1", "d12" or "XFD1048576": one to three column
// letters (either case), then the decimal row number without leading zeros.
// Nothing for anything else, or for a cell outside the largest sheet.
std::optional<CellPosition> parseCellName(QStringView name);

// A cell name held in place: column letters then the row number, e.g. "C60001".
class CellName {
public:
    // column: 0-based; row: 1-based as in the name.
    CellName(int column, qint64 row);
    // A single column letter (u'A'..u'Z') and the 1-based row.
    CellName(char16_t letter, qint64 row) : CellName(int(letter - u'A'), row) {}

    QStringView view() const { return QStringView(m_text.data(), m_length); }
    operator QStringView() const { return view(); }

private:
    std::array<char16_t, 24> m_text{};
    qsizetype m_length = 0;
};

} // namespace vorn::exchange
