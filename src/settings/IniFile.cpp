// INI file access: parsing on demand over the file's lines, in-place writes and
// a safe save in the file's own encoding.
#include "IniFile.h"

#include "NumberFormat.h"
#include "SafeFileWrite.h"

#include <QFile>

#include <optional>

namespace vorn {

namespace {

bool isComment(QStringView trimmedLine) { return trimmedLine.startsWith(u';'); }

// Name of a "[section]" line, or nothing for any other line.
std::optional<QStringView> sectionHeader(QStringView line)
{
    const QStringView trimmed = line.trimmed();
    if (!trimmed.startsWith(u'['))
        return std::nullopt;
    const qsizetype close = trimmed.indexOf(u']');
    if (close < 0)
        return std::nullopt;
    return trimmed.sliced(1, close - 1).trimmed();
}

bool sameName(QStringView a, QStringView b)
{
    return a.trimmed().compare(b.trimmed(), Qt::CaseInsensitive) == 0;
}

int hexDigit(char16_t c)
{
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return -1;
}

// Hexadecimal digits as a 32-bit integer (values above 0x7FFFFFFF wrap to
// negative numbers, as a 32-bit colour or flag word would), or nothing.
std::optional<int> parseHex(QStringView digits)
{
    if (digits.isEmpty())
        return std::nullopt;
    quint64 value = 0;
    for (const QChar c : digits) {
        const int digit = hexDigit(c.unicode());
        if (digit < 0)
            return std::nullopt;
        value = value * 16 + quint64(digit);
        if (value > 0xFFFFFFFFULL)
            return std::nullopt;
    }
    return static_cast<int>(static_cast<quint32>(value));
}

// A value in one pair of matching double or single quotes reads without them,
// as the Windows profile functions read it: hand-edited settings files rely
// on that ("Fesz_Korr="1,5"").
QString withoutQuotes(QString value)
{
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'')
        && value.back() == value.front())
        return value.sliced(1, value.size() - 2);
    return value;
}

} // namespace

IniFile::IniFile(QString path) : m_path(std::move(path)) { load(); }

void IniFile::load()
{
    QFile file(m_path);
    if (!file.exists())
        return;
    if (!file.open(QIODevice::ReadOnly)) {
        m_loadError = file.errorString();
        return;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        m_loadError = file.errorString();
        return;
    }
    m_existed = true;
    const QString text = codepage::decodeSettingsText(bytes, &m_encoding);
    const qsizetype firstBreak = text.indexOf(u'\n');
    if (firstBreak >= 0)
        m_lineBreak = firstBreak > 0 && text.at(firstBreak - 1) == u'\r'
                          ? QStringLiteral("\r\n") : QStringLiteral("\n");
    m_lines = text.split(u'\n');
    for (QString &line : m_lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
    }
    // The break after the last line makes no line of its own.
    if (!m_lines.isEmpty() && m_lines.constLast().isEmpty())
        m_lines.removeLast();
}

IniFile::Range IniFile::findSection(const QString &section) const
{
    Range range;
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        const auto name = sectionHeader(m_lines.at(i));
        if (!name)
            continue;
        if (range.header >= 0) {
            range.end = i;
            return range;
        }
        if (sameName(*name, section))
            range.header = i;
    }
    range.end = m_lines.size();
    return range;
}

qsizetype IniFile::findKey(const Range &range, const QString &key) const
{
    if (range.header < 0)
        return -1;
    for (qsizetype i = range.header + 1; i < range.end; ++i) {
        const QString &line = m_lines.at(i);
        const qsizetype eq = line.indexOf(u'=');
        if (eq < 0 || isComment(QStringView(line).trimmed()))
            continue;
        if (sameName(QStringView(line).first(eq), key))
            return i;
    }
    return -1;
}

// Where a new key of the section goes: after its last non-blank line, so that
// blank lines separating it from the next section stay where they are.
qsizetype IniFile::appendPosition(const Range &range) const
{
    qsizetype pos = range.end;
    while (pos > range.header + 1 && m_lines.at(pos - 1).trimmed().isEmpty())
        --pos;
    return pos;
}

bool IniFile::sectionExists(const QString &section) const
{
    return findSection(section).header >= 0;
}

bool IniFile::valueExists(const QString &section, const QString &key) const
{
    return findKey(findSection(section), key) >= 0;
}

QString IniFile::readString(const QString &section, const QString &key,
                            const QString &defaultValue) const
{
    const qsizetype i = findKey(findSection(section), key);
    if (i < 0)
        return defaultValue;
    const QString &line = m_lines.at(i);
    return withoutQuotes(line.mid(line.indexOf(u'=') + 1).trimmed());
}

int IniFile::readInteger(const QString &section, const QString &key, int defaultValue) const
{
    const QString text = readString(section, key, QString());
    std::optional<int> value;
    if (text.size() >= 3 && text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        value = parseHex(QStringView(text).sliced(2));
    else
        value = numfmt::parseInt(QStringView(text));
    return value.value_or(defaultValue);
}

double IniFile::readFloat(const QString &section, const QString &key, double defaultValue) const
{
    const QString text = readString(section, key, QString());
    if (text.isEmpty())
        return defaultValue;
    return numfmt::parseFloat(QStringView(text)).value_or(defaultValue);
}

QStringList IniFile::readSection(const QString &section) const
{
    const Range range = findSection(section);
    QStringList entries;
    if (range.header < 0)
        return entries;
    for (qsizetype i = range.header + 1; i < range.end; ++i) {
        const QString &line = m_lines.at(i);
        const QStringView trimmed = QStringView(line).trimmed();
        if (trimmed.isEmpty() || isComment(trimmed))
            continue;
        const qsizetype eq = line.indexOf(u'=');
        if (eq < 0)
            entries.append(trimmed.toString());
        else
            entries.append(QStringView(line).first(eq).trimmed().toString() + u'=' + line.mid(eq + 1));
    }
    return entries;
}

void IniFile::writeString(const QString &section, const QString &key, const QString &value)
{
    QString clean = value;
    clean.replace(u'\r', u' ').replace(u'\n', u' ');
    const Range range = findSection(section);
    const qsizetype i = findKey(range, key);
    if (i >= 0) {
        QString &line = m_lines[i];
        qsizetype valueStart = line.indexOf(u'=') + 1;
        while (valueStart < line.size() && (line.at(valueStart) == u' ' || line.at(valueStart) == u'\t'))
            ++valueStart;
        line = line.left(valueStart) + clean;
        return;
    }
    const QString entry = key + u'=' + clean;
    if (range.header >= 0) {
        m_lines.insert(appendPosition(range), entry);
        return;
    }
    m_lines.append(u'[' + section + u']');
    m_lines.append(entry);
}

void IniFile::writeInteger(const QString &section, const QString &key, qint64 value)
{
    writeString(section, key, numfmt::formatInt(value));
}

void IniFile::writeFloat(const QString &section, const QString &key, double value)
{
    writeString(section, key, numfmt::formatGeneral(value));
}

QString IniFile::text() const
{
    QString text;
    for (const QString &line : m_lines) {
        text += line;
        text += m_lineBreak;
    }
    return text;
}

bool IniFile::save()
{
    m_error.clear();
    if (!m_loadError.isEmpty()) {
        // Writing now would replace a file whose content was never seen.
        m_error = QStringLiteral("%1: %2").arg(m_path, m_loadError);
        return false;
    }
    const FileWriteResult written = writeFileSafely(m_path, codepage::encodeText(text(), m_encoding));
    if (!written.ok) {
        m_error = written.errorText;
        return false;
    }
    m_existed = true;
    return true;
}

} // namespace vorn
