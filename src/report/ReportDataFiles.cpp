// Reading and writing the report's files in the DATA folder.
#include "report/ReportDataFiles.h"

#include "settings/AnsiCodePage.h"
#include "settings/SafeFileWrite.h"
#include "settings/ProgramFolder.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>

namespace vorn::report {

namespace {

QString withSlash(QString folder)
{
    if (!folder.endsWith(u'/'))
        folder += u'/';
    return folder;
}

QString failure(const QString &path, const QString &reason)
{
    return QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), reason);
}

} // namespace

ReportDataFiles::ReportDataFiles(const QString &folder)
    : m_folder(withSlash(folder.isEmpty() ? programFolder() + QStringLiteral("DATA") : folder))
{
}

QString ReportDataFiles::companyPath() const
{
    return m_folder + QStringLiteral("vorn1.rtf");
}

QString ReportDataFiles::identificationPath() const
{
    return m_folder + QStringLiteral("vorn2.rtf");
}

QString ReportDataFiles::logoPath() const
{
    return m_folder + QStringLiteral("logo.bmp");
}

bool ReportDataFiles::hasIdentification() const
{
    return QFileInfo(identificationPath()).isFile();
}

QStringList ReportDataFiles::readIdentification() const
{
    QStringList lines;
    QFile file(identificationPath());
    if (file.open(QIODevice::ReadOnly)) {
        QString text = codepage::decodeAnsi(file.readAll());
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        text.replace(u'\r', u'\n');
        lines = text.split(u'\n');
        // The line end after the last line does not start another line.
        if (text.endsWith(u'\n'))
            lines.removeLast();
    }
    while (lines.size() < kIdentificationLines)
        lines.append(QString());
    return lines.mid(0, kIdentificationLines);
}

QByteArray ReportDataFiles::readCompany() const
{
    QFile file(companyPath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QImage ReportDataFiles::readLogo() const
{
    if (!QFileInfo(logoPath()).isFile())
        return {};
    QImageReader reader(logoPath());
    return reader.read();
}

bool ReportDataFiles::ensureFolder(QString *error) const
{
    if (QDir().mkpath(m_folder))
        return true;
    if (error)
        *error = failure(m_folder, QStringLiteral("the folder cannot be created"));
    return false;
}

bool ReportDataFiles::writeBytes(const QString &path, const QByteArray &bytes, QString *error) const
{
    if (!ensureFolder(error))
        return false;
    const FileWriteResult written = writeFileSafely(path, bytes);
    if (!written.ok && error)
        *error = written.errorText;
    return written.ok;
}

bool ReportDataFiles::writeIdentification(const QStringList &lines, QString *error) const
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += codepage::encodeAnsi(line) + "\r\n";
    return writeBytes(identificationPath(), bytes, error);
}

bool ReportDataFiles::writeCompany(const QByteArray &rtf, QString *error) const
{
    return writeBytes(companyPath(), rtf, error);
}

bool ReportDataFiles::writeLogo(const QImage &logo, QString *error) const
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "bmp");
    if (!writer.write(logo)) {
        if (error)
            *error = failure(logoPath(), writer.errorString());
        return false;
    }
    return writeBytes(logoPath(), bytes, error);
}

bool ReportDataFiles::removeLogo(QString *error) const
{
    QFile file(logoPath());
    if (!file.exists() || file.remove())
        return true;
    if (error)
        *error = failure(logoPath(), file.errorString());
    return false;
}

} // namespace vorn::report
