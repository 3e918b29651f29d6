// One sheet of the spreadsheet layer held in memory until it can be written
// out: cell values and styles in a row-major grid, and the column widths.
// The workbook writer streams rows strictly in order and fixes a sheet's name
// when the sheet is created, while the export names a sheet only after its
// last row; so a sheet stays here until it is named and its turn comes.
#pragma once

#include "CellAddress.h"

#include <QByteArray>
#include <QStringView>

#include <cstdint>
#include <map>
#include <vector>

namespace vorn::exchange {

// The look of a cell. fill: the interior colour as $00BBGGRR, -1 for none.
struct CellStyle {
    bool bold = false;
    bool italic = false;
    qint32 fill = -1;
    friend bool operator==(const CellStyle &, const CellStyle &) = default;
};

enum class CellKind : std::uint8_t { Empty, Number, Text };

struct BufferedCell {
    double number = 0;          // Number cells
    qint32 text = -1;           // Text cells: index into SheetBuffer::text()
    CellKind kind = CellKind::Empty;
    std::uint16_t style = 0;    // index into SheetBuffer::styles(); 0 is the plain style
};

// A rectangle of cells, corners included.
struct CellArea {
    CellPosition first;
    CellPosition last;
};

class SheetBuffer {
public:
    SheetBuffer();

    // The cell, the grid growing to hold it.
    BufferedCell &cell(CellPosition at);
    const BufferedCell &cellAt(int row, int column) const
    {
        return m_cells[std::size_t(row) * std::size_t(m_columns) + std::size_t(column)];
    }
    int rowCount() const { return m_rows; }
    int columnCount() const { return m_columns; }

    void setNumber(CellPosition at, double value);
    void setText(CellPosition at, QStringView value);
    // The UTF-8 bytes of a text cell's value.
    const QByteArray &text(qint32 index) const { return m_texts[std::size_t(index)]; }

    // Changes the style of every cell in the area (empty cells too).
    template <typename Change>
    void restyle(const CellArea &area, Change change)
    {
        for (int row = area.first.row; row <= area.last.row; ++row) {
            for (int column = area.first.column; column <= area.last.column; ++column) {
                BufferedCell &target = cell({row, column});
                CellStyle style = m_styles[target.style];
                change(style);
                target.style = styleIndex(style);
            }
        }
    }
    const std::vector<CellStyle> &styles() const { return m_styles; }

    // Column widths in characters, by 0-based column.
    void setColumnWidth(int column, double width) { m_widths[column] = width; }
    const std::map<int, double> &columnWidths() const { return m_widths; }

private:
    void widen(int columns);
    std::uint16_t styleIndex(const CellStyle &style);
    qint32 textIndex(QStringView value);

    std::vector<BufferedCell> m_cells;
    int m_rows = 0;
    int m_columns = 1;
    std::vector<QByteArray> m_texts;
    // The last few distinct texts and their indices: a column of status words
    // repeats the same two texts.
    std::vector<std::pair<QString, qint32>> m_recentTexts;
    std::vector<CellStyle> m_styles;
    std::map<int, double> m_widths;
};

} // namespace vorn::exchange
