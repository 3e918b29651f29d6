// Finding the removable drives and the measurement files on them.
#include "PendriveScan.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStorageInfo>

namespace vorn::exchange {

namespace {

bool readsOne(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(1) == "1";
}

bool isInside(const QString &path, const QString &folder)
{
    return path == folder
           || path.startsWith(folder.endsWith(u'/') ? folder : folder + u'/');
}

QString joined(const QString &root, const QString &name)
{
    return root.endsWith(u'/') ? root + name : root + u'/' + name;
}

// A link counts when it leads to a file on the same drive.
bool linkStaysOnDrive(const QFileInfo &link, const QString &canonicalRoot)
{
    const QString target = link.canonicalFilePath();
    return !target.isEmpty() && isInside(target, canonicalRoot) && QFileInfo(target).isFile();
}

} // namespace

std::optional<BlockDeviceKind> classifyBlockDevice(const QString &sysBlockFolder,
                                                   const QString &deviceName)
{
    const QString entry = QDir(sysBlockFolder).filePath(deviceName);
    const QString device = QFileInfo(entry).canonicalFilePath();
    if (deviceName.isEmpty() || device.isEmpty())
        return std::nullopt;
    // A partition's flags are those of the disk it belongs to, its parent.
    const QString disk = QFileInfo::exists(device + QStringLiteral("/partition"))
                             ? QFileInfo(device).absolutePath()
                             : device;
    static const QRegularExpression floppyName(QStringLiteral("^fd[0-9]+$"));
    static const QRegularExpression opticalName(QStringLiteral("^sr[0-9]+$"));
    const QString diskName = QFileInfo(disk).fileName();
    BlockDeviceKind kind;
    kind.removable = readsOne(disk + QStringLiteral("/removable"));
    kind.usb = device.contains(QStringLiteral("/usb"));
    kind.floppy = floppyName.match(diskName).hasMatch();
    kind.optical = opticalName.match(diskName).hasMatch();
    return kind;
}

bool isRemovableDrive(const BlockDeviceKind &kind)
{
    return (kind.removable || kind.usb) && !kind.optical;
}

SystemDrives::SystemDrives(QString sysBlockFolder) : m_sysBlockFolder(std::move(sysBlockFolder)) {}

QList<RemovableDrive> SystemDrives::removableDrives() const
{
    QList<RemovableDrive> drives;
    QStringList seen;
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        const QString device = QString::fromLocal8Bit(volume.device());
        if (!volume.isValid() || !device.startsWith(QStringLiteral("/dev/")))
            continue;
        // /dev/disk/by-... names are links to the device itself.
        const QString name = QFileInfo(QFileInfo(device).canonicalFilePath()).fileName();
        if (seen.contains(name))
            continue;
        const std::optional<BlockDeviceKind> kind = classifyBlockDevice(m_sysBlockFolder, name);
        if (!kind || !isRemovableDrive(*kind))
            continue;
        seen.append(name);
        drives.append({volume.rootPath(), kind->floppy});
    }
    return drives;
}

QStringList measurementFilesIn(const QString &root)
{
    QStringList found;
    const QString canonicalRoot = QFileInfo(root).canonicalFilePath();
    if (canonicalRoot.isEmpty())
        return found;
    QDirIterator entries(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (entries.hasNext()) {
        entries.next();
        const QString name = entries.fileName();
        if (!name.endsWith(QStringLiteral(".VRN"), Qt::CaseInsensitive))
            continue;
        const QFileInfo info = entries.fileInfo();
        if (info.isSymLink() ? !linkStaysOnDrive(info, canonicalRoot) : !info.isFile())
            continue;
        found.append(joined(root, name));
    }
    return found;
}

QStringList findMeasurementFiles(const QList<RemovableDrive> &drives)
{
    QStringList found;
    for (const RemovableDrive &drive : drives) {
        if (!drive.floppy)
            found += measurementFilesIn(drive.root);
    }
    return found;
}

} // namespace vorn::exchange
