// The pendrive scan without a window: which mounted volumes are removable
// drives, and which measurement files lie in their root folders.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace vorn::exchange {

// A mounted removable volume. A floppy drive is never searched.
struct RemovableDrive {
    QString root;        // the mount point
    bool floppy = false;
};

// Where the scan gets its drives from. The program asks the system; tests
// hand folders of their own.
class DriveSource {
public:
    virtual ~DriveSource() = default;
    virtual QList<RemovableDrive> removableDrives() const = 0;
};

// What the kernel says about a block device (sysfs).
struct BlockDeviceKind {
    bool removable = false; // the removable flag of the disk (a partition's parent disk)
    bool usb = false;       // the device sits on the USB bus
    bool floppy = false;    // a floppy drive (fd0, fd1, ...)
    bool optical = false;   // a CD/DVD drive (sr0, ...), not a removable drive here
};

// The kind of the block device deviceName ("sdb1"), read from sysBlockFolder
// (normally "/sys/class/block"); nothing when sysfs does not know it.
std::optional<BlockDeviceKind> classifyBlockDevice(const QString &sysBlockFolder,
                                                   const QString &deviceName);

// True for a device the pendrive scan looks at: removable or on the USB bus,
// and not an optical drive.
bool isRemovableDrive(const BlockDeviceKind &kind);

// The mounted volumes of removable devices, each device once, in the order
// the system lists its mounts.
class SystemDrives : public DriveSource {
public:
    explicit SystemDrives(QString sysBlockFolder = QStringLiteral("/sys/class/block"));
    QList<RemovableDrive> removableDrives() const override;

private:
    QString m_sysBlockFolder;
};

// The measurement files in the root folder of root (not its subfolders):
// entries whose name ends in ".VRN" in any letter case that are files or
// links to files on the same drive. Folders are skipped, and so are links
// that lead off the drive. A folder that cannot be read gives nothing. The
// paths come in the order the folder lists them.
QStringList measurementFilesIn(const QString &root);

// The measurement files of every drive but the floppy drives, drive after
// drive, in one list.
QStringList findMeasurementFiles(const QList<RemovableDrive> &drives);

} // namespace vorn::exchange
