// The spreadsheet object model: application, workbooks, sheets and ranges.
// Writing a held sheet and the workbook out through libxlsxwriter is in
// SpreadsheetFile.cpp.
#include "SpreadsheetAutomation.h"

#include <QDir>

#include <algorithm>

#include <cmath>

namespace vorn::exchange {

namespace {

[[noreturn]] void fail(const QString &reason)
{
    throw SpreadsheetError(SpreadsheetFailure::Failed, reason);
}

CellPosition cellOrFail(QStringView name)
{
    const std::optional<CellPosition> at = parseCellName(name);
    if (!at)
        fail(QStringLiteral("not a cell: \"%1\"").arg(name));
    return *at;
}

} // namespace

SpreadsheetError::SpreadsheetError(SpreadsheetFailure kind, QString reason)
    : m_kind(kind), m_reason(std::move(reason)), m_what(m_reason.toUtf8())
{
}

// ---- ranges -------------------------------------------------------------------

void SheetRange::setValue(double value)
{
    if (!std::isfinite(value))
        fail(QStringLiteral("a cell cannot hold %1").arg(value));
    SheetBuffer &buffer = m_sheet->buffer();
    for (int row = m_area.first.row; row <= m_area.last.row; ++row) {
        for (int column = m_area.first.column; column <= m_area.last.column; ++column)
            buffer.setNumber({row, column}, value);
    }
}

void SheetRange::setValue(QStringView text)
{
    SheetBuffer &buffer = m_sheet->buffer();
    for (int row = m_area.first.row; row <= m_area.last.row; ++row) {
        for (int column = m_area.first.column; column <= m_area.last.column; ++column)
            buffer.setText({row, column}, text);
    }
}

void SheetRange::setColumnWidth(double width)
{
    // The largest width a column can have, in characters.
    if (!(width >= 0 && width <= 255))
        fail(QStringLiteral("column width %1 is out of range").arg(width));
    SheetBuffer &buffer = m_sheet->buffer();
    for (int column = m_area.first.column; column <= m_area.last.column; ++column)
        buffer.setColumnWidth(column, width);
}

void RangeFont::setFontStyle(QStringView style)
{
    bool bold = false;
    bool italic = false;
    for (QStringView word : style.split(u' ', Qt::SkipEmptyParts)) {
        if (word.compare(u"Bold", Qt::CaseInsensitive) == 0)
            bold = true;
        else if (word.compare(u"Italic", Qt::CaseInsensitive) == 0)
            italic = true;
        else if (word.compare(u"Regular", Qt::CaseInsensitive) != 0)
            fail(QStringLiteral("unknown font style \"%1\"").arg(style));
    }
    m_sheet->buffer().restyle(m_area, [&](CellStyle &cell) {
        cell.bold = bold;
        cell.italic = italic;
    });
}

void RangeInterior::setColor(qint32 color)
{
    if (color < 0 || color > 0xFFFFFF)
        fail(QStringLiteral("colour %1 is out of range").arg(color));
    m_sheet->buffer().restyle(m_area, [&](CellStyle &cell) { cell.fill = color; });
}

// ---- sheets -------------------------------------------------------------------

Worksheet::Worksheet(Workbook &book, QString name)
    : m_book(book), m_name(std::move(name)), m_buffer(std::make_unique<SheetBuffer>())
{
}

SheetBuffer &Worksheet::buffer()
{
    if (!m_buffer)
        fail(QStringLiteral("sheet \"%1\" has already been written").arg(m_name));
    return *m_buffer;
}

SheetRange Worksheet::Range(QStringView cell)
{
    const CellPosition at = cellOrFail(cell);
    return SheetRange(*this, {at, at});
}

SheetRange Worksheet::Range(QStringView from, QStringView to)
{
    const CellPosition a = cellOrFail(from);
    const CellPosition b = cellOrFail(to);
    return SheetRange(*this, {{std::min(a.row, b.row), std::min(a.column, b.column)},
                              {std::max(a.row, b.row), std::max(a.column, b.column)}});
}

void Worksheet::setName(const QString &name)
{
    if (!m_buffer)
        fail(QStringLiteral("sheet \"%1\" has already been written").arg(m_name));
    m_book.checkName(*this, name);
    m_name = name;
    m_named = true;
}

Worksheet &WorksheetCollection::Add()
{
    return m_book->addSheet();
}

int WorksheetCollection::Count() const
{
    return int(m_book->m_sheets.size());
}

Worksheet &WorksheetCollection::operator()(int index)
{
    if (index < 1 || index > Count())
        fail(QStringLiteral("there is no sheet %1").arg(index));
    return *m_book->m_sheets[std::size_t(index - 1)];
}

// ---- workbooks and the application --------------------------------------------

Workbook &WorkbookCollection::Add()
{
    std::unique_ptr<ScratchFile> scratch = std::move(m_app->m_reserved);
    if (!scratch)
        scratch = std::make_unique<ScratchFile>(m_app->m_workFolder);
    if (!scratch->ok())
        fail(scratch->errorText());
    m_app->m_books.push_back(std::unique_ptr<Workbook>(new Workbook(std::move(scratch))));
    return *m_app->m_books.back();
}

int WorkbookCollection::Count() const
{
    return int(m_app->m_books.size());
}

Workbook &WorkbookCollection::operator()(int index)
{
    if (index < 1 || index > Count())
        fail(QStringLiteral("there is no workbook %1").arg(index));
    return *m_app->m_books[std::size_t(index - 1)];
}

SpreadsheetApplication::SpreadsheetApplication(const QString &workFolder)
    : m_workFolder(workFolder), m_reserved(std::make_unique<ScratchFile>(workFolder))
{
    if (!m_reserved->ok())
        throw SpreadsheetError(SpreadsheetFailure::CannotStart, m_reserved->errorText());
}

SpreadsheetApplication::~SpreadsheetApplication()
{
    Quit();
}

void SpreadsheetApplication::Quit()
{
    m_books.clear();
    m_reserved.reset();
}

} // namespace vorn::exchange
