// The spreadsheet layer's workbook: held sheets written out in order through
// libxlsxwriter (constant-memory mode), and the file saved into place.
#include "SpreadsheetAutomation.h"

#include <QDir>
#include <QFile>

#include <algorithm>

#include <xlsxwriter.h>

#include <cerrno>
#include <clocale>
#include <cstring>
#include <locale.h>

namespace vorn::exchange {

namespace {

[[noreturn]] void fail(const QString &reason)
{
    throw SpreadsheetError(SpreadsheetFailure::Failed, reason);
}

QString writerReason(lxw_error error)
{
    return QString::fromUtf8(lxw_strerror(error));
}

void check(lxw_error error)
{
    if (error != LXW_NO_ERROR)
        fail(writerReason(error));
}

// The writer formats numbers with the C library, in the calling thread's
// locale: under a decimal-comma locale it would write "12,84" into the file.
// While this object lives, the thread formats numbers the "C" way.
class CNumericLocale {
public:
    CNumericLocale()
    {
        locale_t base = duplocale(uselocale(locale_t(nullptr)));
        m_numeric = base ? newlocale(LC_NUMERIC_MASK, "C", base) : locale_t(nullptr);
        if (!m_numeric) {
            if (base)
                freelocale(base);
            fail(QStringLiteral("cannot switch to the C number format"));
        }
        m_previous = uselocale(m_numeric);
    }
    ~CNumericLocale()
    {
        uselocale(m_previous);
        freelocale(m_numeric);
    }
    CNumericLocale(const CNumericLocale &) = delete;
    CNumericLocale &operator=(const CNumericLocale &) = delete;

private:
    locale_t m_numeric = nullptr;
    locale_t m_previous = nullptr;
};

} // namespace

Workbook::Workbook(std::unique_ptr<ScratchFile> scratch)
    : m_scratch(std::move(scratch)), m_tempFolder(QFile::encodeName(QDir::tempPath()))
{
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    options.tmpdir = m_tempFolder.data();
    options.use_zip64 = LXW_TRUE;
    m_lxw = workbook_new_opt(QFile::encodeName(m_scratch->path()).constData(), &options);
    if (!m_lxw)
        fail(QDir::toNativeSeparators(m_scratch->path()) + QStringLiteral(": cannot start a workbook"));
}

Workbook::~Workbook()
{
    // A workbook never saved is dropped without writing anything.
    if (m_lxw)
        lxw_workbook_free(m_lxw);
}

Worksheet &Workbook::addSheet()
{
    if (!m_lxw)
        fail(QStringLiteral("the workbook has already been saved"));
    // The sheets before the new one are complete once they are named.
    writeHeldSheets(false);
    int number = int(m_sheets.size()) + 1;
    QString name;
    do {
        name = QStringLiteral("Sheet%1").arg(number++);
    } while (std::any_of(m_sheets.begin(), m_sheets.end(), [&](const auto &sheet) {
        return sheet->m_name.compare(name, Qt::CaseInsensitive) == 0;
    }));
    m_sheets.push_back(std::unique_ptr<Worksheet>(new Worksheet(*this, name)));
    return *m_sheets.back();
}

void Workbook::checkName(const Worksheet &sheet, const QString &name) const
{
    if (!m_lxw)
        fail(QStringLiteral("the workbook has already been saved"));
    const lxw_error error = workbook_validate_sheet_name(m_lxw, name.toUtf8().constData());
    if (error != LXW_NO_ERROR)
        fail(QStringLiteral("sheet name \"%1\": %2").arg(name, writerReason(error)));
    for (const auto &other : m_sheets) {
        if (other.get() != &sheet && other->m_name.compare(name, Qt::CaseInsensitive) == 0)
            fail(QStringLiteral("sheet name \"%1\" is already in use").arg(name));
    }
}

void Workbook::writeHeldSheets(bool all)
{
    while (m_written < m_sheets.size()) {
        Worksheet &sheet = *m_sheets[m_written];
        if (!all && !sheet.m_named)
            break;
        writeSheet(sheet);
        ++m_written;
    }
}

void Workbook::writeSheet(Worksheet &sheet)
{
    const CNumericLocale numbers;
    lxw_worksheet *target = workbook_add_worksheet(m_lxw, sheet.m_name.toUtf8().constData());
    if (!target)
        fail(QStringLiteral("cannot add sheet \"%1\"").arg(sheet.m_name));
    const SheetBuffer &buffer = *sheet.m_buffer;
    for (const auto &[column, width] : buffer.columnWidths())
        check(worksheet_set_column(target, lxw_col_t(column), lxw_col_t(column), width, nullptr));
    writeRows(target, buffer);
    sheet.m_buffer.reset();
}

void Workbook::writeRows(lxw_worksheet *target, const SheetBuffer &buffer)
{
    std::vector<lxw_format *> formats;
    for (const CellStyle &style : buffer.styles())
        formats.push_back(style == CellStyle{} ? nullptr : format(style));
    for (int row = 0; row < buffer.rowCount(); ++row) {
        for (int column = 0; column < buffer.columnCount(); ++column) {
            const BufferedCell &cell = buffer.cellAt(row, column);
            lxw_format *look = formats[cell.style];
            const auto r = lxw_row_t(row);
            const auto c = lxw_col_t(column);
            switch (cell.kind) {
            case CellKind::Number:
                check(worksheet_write_number(target, r, c, cell.number, look));
                break;
            case CellKind::Text:
                check(worksheet_write_string(target, r, c, buffer.text(cell.text).constData(), look));
                break;
            case CellKind::Empty:
                if (look)
                    check(worksheet_write_blank(target, r, c, look));
                break;
            }
        }
    }
}

lxw_format *Workbook::format(const CellStyle &style)
{
    for (const auto &[known, look] : m_formats) {
        if (known == style)
            return look;
    }
    lxw_format *look = workbook_add_format(m_lxw);
    if (!look)
        fail(QStringLiteral("cannot add a cell format"));
    if (style.bold)
        format_set_bold(look);
    if (style.italic)
        format_set_italic(look);
    if (style.fill >= 0) {
        // $00BBGGRR to the writer's 0xRRGGBB.
        const auto rgb = lxw_color_t(((style.fill & 0xFF) << 16) | (style.fill & 0xFF00)
                                     | ((style.fill >> 16) & 0xFF));
        format_set_pattern(look, LXW_PATTERN_SOLID);
        format_set_bg_color(look, rgb);
    }
    m_formats.emplace_back(style, look);
    return look;
}

void Workbook::setCreated(const QDateTime &when)
{
    if (!m_lxw)
        fail(QStringLiteral("the workbook has already been saved"));
    lxw_doc_properties properties{};
    properties.created = time_t(when.toSecsSinceEpoch());
    check(workbook_set_properties(m_lxw, &properties));
}

void Workbook::SaveAs(const QString &path, int /*fileFormat*/)
{
    if (!m_lxw)
        fail(QStringLiteral("the workbook has already been saved"));
    writeHeldSheets(true);
    close(path);
    QString reason;
    if (!m_scratch->commitTo(path, &reason))
        throw SpreadsheetError(SpreadsheetFailure::CannotReplaceTarget, reason);
}

void Workbook::close(const QString &target)
{
    const CNumericLocale numbers;
    errno = 0;
    const lxw_error error = workbook_close(m_lxw);
    const int systemError = errno;
    // The writer frees the workbook whether or not it could write it.
    m_lxw = nullptr;
    if (error == LXW_NO_ERROR)
        return;
    const QString why = systemError != 0 ? QString::fromLocal8Bit(std::strerror(systemError))
                                         : writerReason(error);
    m_scratch->discard();
    fail(QDir::toNativeSeparators(target) + QStringLiteral(": ") + why);
}

} // namespace vorn::exchange
