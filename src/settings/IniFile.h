// INI files with the semantics the program's settings and language files rely
// on: case-insensitive sections and keys, values written in place, nothing
// reordered or removed, each file written back in the encoding it came in.
#pragma once

#include "AnsiCodePage.h"

#include <QString>
#include <QStringList>

namespace vorn {

// One INI file held in memory: constructing it reads the file, the write
// functions change the copy in memory and save() puts it back on disk in one
// step, so a failed save leaves the file as it was.
//
// Matching: section and key names are compared without regard to letter case,
// with surrounding blanks ignored; the first occurrence of a section or key
// counts. Lines that begin with ";" are comments. A read value is the text after
// the first "=" with surrounding blanks removed, then without one pair of
// matching quotes ("..." or '...') around it; writing adds none.
class IniFile {
public:
    // Reads path. A missing file reads as empty and is created by save(); a file
    // that exists but cannot be read also reads as empty, but save() then
    // refuses to overwrite it.
    explicit IniFile(QString path);

    const QString &path() const { return m_path; }
    // Encoding the file was read in; a new file gets the ANSI code page.
    codepage::TextEncoding encoding() const { return m_encoding; }
    // The file existed and was read.
    bool existed() const { return m_existed; }

    QString readString(const QString &section, const QString &key,
                       const QString &defaultValue) const;
    // Decimal text, or hexadecimal when the value has 3 or more characters and
    // begins with "0x" or "0X" (up to 32 bits, "0xFFFFFFFF" is -1). An empty or
    // unreadable value gives defaultValue.
    int readInteger(const QString &section, const QString &key, int defaultValue) const;
    // Decimal text with the program's current decimal separator; an empty or
    // unreadable value gives defaultValue.
    double readFloat(const QString &section, const QString &key, double defaultValue) const;
    // The entries of a section in file order, each as "key=value" with the key
    // trimmed and the value exactly as it stands after the first "=" (a line
    // without "=" comes as it stands, trimmed). Blank lines and comments are
    // left out. A missing section gives an empty list.
    QStringList readSection(const QString &section) const;
    bool sectionExists(const QString &section) const;
    bool valueExists(const QString &section, const QString &key) const;

    // Replaces the value of an existing key in place (the key's spelling and the
    // blanks around "=" stay) or adds "key=value" at the end of the section,
    // adding the section at the end of the file when it is missing. Line breaks
    // in value are replaced by blanks: they would split the entry.
    void writeString(const QString &section, const QString &key, const QString &value);
    void writeInteger(const QString &section, const QString &key, qint64 value);
    // The general form with at most 15 significant digits and the program's
    // current decimal separator.
    void writeFloat(const QString &section, const QString &key, double value);

    // Writes the file through a temporary file that replaces it only when
    // complete. Returns false and sets errorString() (path and reason) on failure.
    bool save();
    const QString &errorString() const { return m_error; }

    // The whole text as it would be saved (lines joined with the file's line
    // break, ending with one).
    QString text() const;

private:
    struct Range {
        qsizetype header = -1; // index of the "[section]" line, -1 when missing
        qsizetype end = 0;     // one past the section's last line
    };

    void load();
    Range findSection(const QString &section) const;
    qsizetype findKey(const Range &range, const QString &key) const;
    qsizetype appendPosition(const Range &range) const;

    QString m_path;
    QStringList m_lines;
    codepage::TextEncoding m_encoding = codepage::TextEncoding::Ansi;
    QString m_lineBreak = QStringLiteral("\r\n");
    bool m_existed = false;
    QString m_loadError;
    QString m_error;
};

} // namespace vorn
