// A new, empty file in a chosen folder that is moved onto its target in one
// step once it is complete, or removed when it is not: the spreadsheet layer
// writes its workbook into one, so a failed export leaves the target alone.
#pragma once

#include <QString>

namespace vorn::exchange {

class ScratchFile {
public:
    // Creates the file with a fresh hidden name in folder, with the usual
    // permissions of a new file. ok() tells whether that worked.
    explicit ScratchFile(const QString &folder);
    ~ScratchFile();
    ScratchFile(const ScratchFile &) = delete;
    ScratchFile &operator=(const ScratchFile &) = delete;

    bool ok() const { return !m_path.isEmpty(); }
    // "<folder>: <reason>" when the file could not be created.
    const QString &errorText() const { return m_error; }
    const QString &path() const { return m_path; }

    // Renames the file onto target, replacing an existing file (whose
    // permissions the new one takes over). False when the target cannot be
    // replaced; reason then reads "<target>: <why>". The scratch file is gone
    // afterwards either way.
    bool commitTo(const QString &target, QString *reason);
    // Removes the file now.
    void discard();

private:
    QString m_path;
    QString m_error;
};

} // namespace vorn::exchange
