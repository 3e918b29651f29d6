// A small spreadsheet object model in the shape of a spreadsheet
// application's automation interface (application, workbooks, sheets, ranges
// with value, column width, font style and interior colour, save, quit),
// written out as an Office Open XML workbook (.xlsx) by libxlsxwriter in its
// constant-memory mode. No office program is needed.
//
// How the calls map onto the writer, which streams each sheet's rows in order
// and fixes a sheet's name when it creates the sheet: a sheet is held in
// memory (SheetBuffer) from WorkSheets.Add until it has been named and a
// later sheet is added, or until SaveAs; then it is created under its final
// name and its rows are written in order. At most one sheet of the export is
// in memory at a time. Sheets appear in the order they were added, and a new
// workbook holds no sheets of its own. Numbers go into the file with a
// decimal point whatever the user's locale.
//
// Every failing call throws SpreadsheetError, as the automation interface
// raises its errors.
#pragma once

#include "ScratchFile.h"
#include "SheetBuffer.h"

#include <QDateTime>
#include <QString>
#include <QStringView>

#include <exception>
#include <memory>
#include <vector>

struct lxw_workbook;
struct lxw_worksheet;
struct lxw_format;

namespace vorn::exchange {

enum class SpreadsheetFailure {
    CannotStart,         // the application (its scratch file) cannot be set up
    CannotReplaceTarget, // SaveAs cannot put the file in place of the target
    Failed,              // any other failing call
};

class SpreadsheetError : public std::exception {
public:
    SpreadsheetError(SpreadsheetFailure kind, QString reason);
    SpreadsheetFailure kind() const { return m_kind; }
    // What went wrong, naming the file where one is concerned.
    const QString &reason() const { return m_reason; }
    const char *what() const noexcept override { return m_what.constData(); }

private:
    SpreadsheetFailure m_kind;
    QString m_reason;
    QByteArray m_what;
};

class Worksheet;
class Workbook;
class SpreadsheetApplication;

// Font of a range: FontStyle "Regular", "Bold", "Italic" or "Bold Italic".
class RangeFont {
public:
    void setFontStyle(QStringView style);

private:
    friend class SheetRange;
    RangeFont(Worksheet &sheet, CellArea area) : m_sheet(&sheet), m_area(area) {}
    Worksheet *m_sheet;
    CellArea m_area;
};

// Interior of a range: Color as $00BBGGRR (lowest byte red), filled solid.
class RangeInterior {
public:
    void setColor(qint32 color);

private:
    friend class SheetRange;
    RangeInterior(Worksheet &sheet, CellArea area) : m_sheet(&sheet), m_area(area) {}
    Worksheet *m_sheet;
    CellArea m_area;
};

// One cell or a rectangle of cells of a sheet.
class SheetRange {
public:
    // Every cell of the range takes the value; integers and floating-point
    // numbers are both stored as numbers, finite ones only.
    void setValue(double value);
    void setValue(qint64 value) { setValue(double(value)); }
    void setValue(int value) { setValue(double(value)); }
    void setValue(QStringView text);
    // Width, in characters, of every column the range touches.
    void setColumnWidth(double width);
    RangeFont Font() { return RangeFont(*m_sheet, m_area); }
    RangeInterior Interior() { return RangeInterior(*m_sheet, m_area); }

private:
    friend class Worksheet;
    SheetRange(Worksheet &sheet, CellArea area) : m_sheet(&sheet), m_area(area) {}
    Worksheet *m_sheet;
    CellArea m_area;
};

class Worksheet {
public:
    // "A1"-style names; a name that is no cell fails.
    SheetRange Range(QStringView cell);
    SheetRange Range(QStringView from, QStringView to);

    QString Name() const { return m_name; }
    // Up to 31 characters, none of []:*?/\, unique in the workbook
    // (letter case ignored).
    void setName(const QString &name);

private:
    friend class Workbook;
    friend class RangeFont;
    friend class RangeInterior;
    friend class SheetRange;
    Worksheet(Workbook &book, QString name);
    // The buffer while the sheet is held; fails once it has been written out.
    SheetBuffer &buffer();

    Workbook &m_book;
    QString m_name;
    bool m_named = false;
    std::unique_ptr<SheetBuffer> m_buffer;
};

class WorksheetCollection {
public:
    // Appends a new, empty sheet named "Sheet<n>" after the others.
    Worksheet &Add();
    int Count() const;
    // 1-based, as the automation interface counts.
    Worksheet &operator()(int index);

private:
    friend class Workbook;
    explicit WorksheetCollection(Workbook &book) : m_book(&book) {}
    Workbook *m_book;
};

class Workbook {
public:
    ~Workbook();
    Workbook(const Workbook &) = delete;
    Workbook &operator=(const Workbook &) = delete;

    WorksheetCollection WorkSheets() { return WorksheetCollection(*this); }
    // The creation date the file records (by default the time it is saved).
    void setCreated(const QDateTime &when);
    // Writes the workbook and puts it in place of path in one step. The
    // format number is accepted for the interface's sake: the file is always
    // an Office Open XML workbook. A workbook is saved once.
    void SaveAs(const QString &path, int fileFormat);

private:
    friend class SpreadsheetApplication;
    friend class WorkbookCollection;
    friend class WorksheetCollection;
    friend class Worksheet;
    explicit Workbook(std::unique_ptr<ScratchFile> scratch);
    Worksheet &addSheet();
    void checkName(const Worksheet &sheet, const QString &name) const;
    // Writes out, in order, the leading sheets whose turn has come; with
    // all, every sheet still held.
    void writeHeldSheets(bool all);
    void writeSheet(Worksheet &sheet);
    void writeRows(lxw_worksheet *target, const SheetBuffer &buffer);
    lxw_format *format(const CellStyle &style);
    void close(const QString &target);

    std::unique_ptr<ScratchFile> m_scratch;
    QByteArray m_tempFolder; // where the writer keeps each sheet's rows meanwhile
    lxw_workbook *m_lxw = nullptr;
    std::vector<std::unique_ptr<Worksheet>> m_sheets;
    std::size_t m_written = 0;
    std::vector<std::pair<CellStyle, lxw_format *>> m_formats;
};

class WorkbookCollection {
public:
    // A new workbook without sheets.
    Workbook &Add();
    int Count() const;
    Workbook &operator()(int index); // 1-based

private:
    friend class SpreadsheetApplication;
    explicit WorkbookCollection(SpreadsheetApplication &app) : m_app(&app) {}
    SpreadsheetApplication *m_app;
};

class SpreadsheetApplication {
public:
    // Starts the layer; its workbooks are written in workFolder (the target's
    // folder) before SaveAs moves them into place. Throws CannotStart when no
    // file can be created there.
    explicit SpreadsheetApplication(const QString &workFolder);
    ~SpreadsheetApplication();
    SpreadsheetApplication(const SpreadsheetApplication &) = delete;
    SpreadsheetApplication &operator=(const SpreadsheetApplication &) = delete;

    // Kept for the interface's sake: there is no window to caption or show.
    QString Caption() const { return m_caption; }
    void setCaption(const QString &caption) { m_caption = caption; }
    bool Visible() const { return m_visible; }
    void setVisible(bool visible) { m_visible = visible; }

    SpreadsheetApplication &Application() { return *this; }
    WorkbookCollection WorkBooks() { return WorkbookCollection(*this); }
    // Drops every workbook not saved, and its scratch file.
    void Quit();

private:
    friend class WorkbookCollection;
    QString m_workFolder;
    QString m_caption;
    bool m_visible = true;
    // The scratch file reserved at start, taken by the first workbook.
    std::unique_ptr<ScratchFile> m_reserved;
    std::vector<std::unique_ptr<Workbook>> m_books;
};

} // namespace vorn::exchange
