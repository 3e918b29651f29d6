// Helpers shared by the settings tests: scoped program-wide state and file
// bytes in and out.
#pragma once

#include "settings/AnsiCodePage.h"
#include "settings/NumberFormat.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>

#include <ostream>

// Readable QString values in failure messages.
inline void PrintTo(const QString &text, std::ostream *os) { *os << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QStringList &list, std::ostream *os)
{
    *os << '[' << list.join(QStringLiteral("|")).toStdString() << ']';
}

namespace vorn::test {

// Sets the program-wide decimal separator for one test and restores it.
class SeparatorScope {
public:
    explicit SeparatorScope(QChar separator) : m_saved(numfmt::decimalSeparator())
    {
        numfmt::setDecimalSeparator(separator);
    }
    ~SeparatorScope() { numfmt::setDecimalSeparator(m_saved); }
    SeparatorScope(const SeparatorScope &) = delete;
    SeparatorScope &operator=(const SeparatorScope &) = delete;

private:
    QChar m_saved;
};

// Pins the ANSI code page for one test and restores it.
class CodePageScope {
public:
    explicit CodePageScope(const QByteArray &name) : m_saved(codepage::ansiCodePage())
    {
        codepage::setAnsiCodePage(name);
    }
    ~CodePageScope() { codepage::setAnsiCodePage(m_saved); }
    CodePageScope(const CodePageScope &) = delete;
    CodePageScope &operator=(const CodePageScope &) = delete;

private:
    QByteArray m_saved;
};

inline void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

inline QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace vorn::test
