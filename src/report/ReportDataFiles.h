// The report's files in the DATA folder beside the program: the company block
// ("vorn1.rtf"), the default identification lines ("vorn2.rtf", plain text
// despite its name) and the last imported logo ("logo.bmp").
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

namespace vorn::report {

// How many identification lines "vorn2.rtf" holds: operator's name, place,
// instruments, date field, in that order.
inline constexpr int kIdentificationLines = 4;

class ReportDataFiles {
public:
    // `folder` is the DATA folder itself; empty means programFolder() + "DATA/".
    explicit ReportDataFiles(const QString &folder = QString());

    QString folder() const { return m_folder; }
    QString companyPath() const;         // "vorn1.rtf"
    QString identificationPath() const;  // "vorn2.rtf"
    QString logoPath() const;            // "logo.bmp"

    // --- Reading: a missing or unreadable file gives nothing, silently. ---
    bool hasIdentification() const;
    // Exactly kIdentificationLines lines: the file's lines (CR LF or LF, ANSI
    // code page), lines it lacks filled with empty text, extra lines dropped.
    QStringList readIdentification() const;
    // The raw bytes of "vorn1.rtf"; empty when it does not exist.
    QByteArray readCompany() const;
    // "logo.bmp" as a picture; null when missing or not a readable picture.
    QImage readLogo() const;

    // --- Writing: the folder is created when missing, each file is written
    // to a temporary file and renamed into place. On failure false, with
    // `error` naming the path and the reason; the old file stays. ---
    // Each line untrimmed, followed by CR LF, in the ANSI code page.
    bool writeIdentification(const QStringList &lines, QString *error = nullptr) const;
    bool writeCompany(const QByteArray &rtf, QString *error = nullptr) const;
    bool writeLogo(const QImage &logo, QString *error = nullptr) const;
    // Deletes "logo.bmp"; a missing file is not an error.
    bool removeLogo(QString *error = nullptr) const;

private:
    bool ensureFolder(QString *error) const;
    bool writeBytes(const QString &path, const QByteArray &bytes, QString *error) const;

    QString m_folder;
};

} // namespace vorn::report
