// ProcessCount: the user's running processes with our executable's name, read
// from the process table in /proc.
#include "app/SingleInstance.h"

#include <QDir>
#include <QFile>

#include <climits>
#include <optional>
#include <unistd.h>

namespace SingleInstance {

namespace {

QByteArray readSmallFile(const QString &path, qint64 limit = 4096)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.read(limit);
}

// The real user id from the "Uid:" line of a status file.
std::optional<unsigned> realUserId(const QByteArray &status)
{
    for (const QByteArray &line : status.split('\n')) {
        if (!line.startsWith("Uid:"))
            continue;
        const QList<QByteArray> fields = line.mid(4).simplified().split(' ');
        bool ok = false;
        const unsigned uid = fields.value(0).toUInt(&ok);
        return ok ? std::optional<unsigned>(uid) : std::nullopt;
    }
    return std::nullopt;
}

QString exeLinkTarget(const QString &processFolder)
{
    const QByteArray link = QFile::encodeName(processFolder + QStringLiteral("/exe"));
    char buffer[PATH_MAX];
    const ssize_t length = ::readlink(link.constData(), buffer, sizeof buffer);
    if (length <= 0)
        return {};
    QString target = QFile::decodeName(QByteArray(buffer, length));
    // The executable file was replaced or removed while the process runs.
    const QString deleted = QStringLiteral(" (deleted)");
    if (target.endsWith(deleted))
        target.chop(deleted.size());
    return target;
}

// The executable of a process: the exe link, else argv[0], else the command
// name (the exe link of another user's or a dying process can be unreadable).
QString executableField(const QString &processFolder)
{
    QString field = exeLinkTarget(processFolder);
    if (!field.isEmpty())
        return field;
    const QByteArray cmdline = readSmallFile(processFolder + QStringLiteral("/cmdline"));
    field = QFile::decodeName(cmdline.left(cmdline.indexOf('\0')));
    if (!field.isEmpty())
        return field;
    QByteArray comm = readSmallFile(processFolder + QStringLiteral("/comm"));
    if (comm.endsWith('\n'))
        comm.chop(1);
    return QFile::decodeName(comm);
}

bool namesMatch(const QString &field, const QString &upperExeName)
{
    const QString upperField = field.toUpper();
    const QString fileName = upperField.mid(upperField.lastIndexOf(u'/') + 1);
    return fileName == upperExeName || upperField == upperExeName;
}

bool isProcessId(const QString &name)
{
    bool ok = false;
    return name.toUInt(&ok) > 0 && ok;
}

} // namespace

int countProcesses(const QString &procRoot, const QString &exeName, unsigned userId)
{
    const QString upperExeName = exeName.toUpper();
    int count = 0;
    const QStringList entries = QDir(procRoot).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &entry : entries) {
        if (!isProcessId(entry))
            continue;
        const QString folder = procRoot + u'/' + entry;
        // Another user's copy must not stop this user's program.
        if (realUserId(readSmallFile(folder + QStringLiteral("/status"))) != userId)
            continue;
        if (namesMatch(executableField(folder), upperExeName))
            ++count;
    }
    return count;
}

int ProcessCount(const QString &exeName)
{
    return countProcesses(QStringLiteral("/proc"), exeName, ::getuid());
}

} // namespace SingleInstance
