// The in-memory sheet of the spreadsheet layer.
#include "SheetBuffer.h"

#include <QString>

#include <algorithm>
#include <stdexcept>

namespace vorn::exchange {

namespace {

// Texts looked up before a new one is stored.
constexpr std::size_t kRecentTexts = 16;

} // namespace

SheetBuffer::SheetBuffer() : m_styles{CellStyle{}} {}

BufferedCell &SheetBuffer::cell(CellPosition at)
{
    if (at.column >= m_columns)
        widen(at.column + 1);
    if (at.row >= m_rows) {
        m_rows = at.row + 1;
        m_cells.resize(std::size_t(m_rows) * std::size_t(m_columns));
    }
    return m_cells[std::size_t(at.row) * std::size_t(m_columns) + std::size_t(at.column)];
}

void SheetBuffer::widen(int columns)
{
    std::vector<BufferedCell> wider(std::size_t(m_rows) * std::size_t(columns));
    for (int row = 0; row < m_rows; ++row) {
        std::copy_n(m_cells.begin() + std::ptrdiff_t(row) * m_columns, m_columns,
                    wider.begin() + std::ptrdiff_t(row) * columns);
    }
    m_cells = std::move(wider);
    m_columns = columns;
}

void SheetBuffer::setNumber(CellPosition at, double value)
{
    BufferedCell &target = cell(at);
    target.kind = CellKind::Number;
    target.number = value;
    target.text = -1;
}

void SheetBuffer::setText(CellPosition at, QStringView value)
{
    const qint32 index = textIndex(value);
    BufferedCell &target = cell(at);
    target.kind = CellKind::Text;
    target.text = index;
}

qint32 SheetBuffer::textIndex(QStringView value)
{
    for (const auto &[recent, index] : m_recentTexts) {
        if (recent == value)
            return index;
    }
    const auto index = qint32(m_texts.size());
    m_texts.push_back(value.toUtf8());
    if (m_recentTexts.size() < kRecentTexts)
        m_recentTexts.emplace_back(value.toString(), index);
    return index;
}

std::uint16_t SheetBuffer::styleIndex(const CellStyle &style)
{
    const auto found = std::find(m_styles.begin(), m_styles.end(), style);
    if (found != m_styles.end())
        return std::uint16_t(found - m_styles.begin());
    if (m_styles.size() > 0xFFFF)
        throw std::length_error("too many cell styles on one sheet");
    m_styles.push_back(style);
    return std::uint16_t(m_styles.size() - 1);
}

} // namespace vorn::exchange
