// The pendrive scan: which volumes count as removable drives, and which
// entries of a drive's root folder are measurement files.
#include "exchange/PendriveScan.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

using namespace vorn::exchange;

namespace {

void touch(const QString &path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write("x");
}

QStringList sorted(QStringList list)
{
    std::sort(list.begin(), list.end());
    return list;
}

// A sysfs-like tree: devices/<bus path>/<disk>[/<partition>] with their
// flags, and class/block/<name> links to them.
class FakeSysfs {
public:
    void add(const QString &devicePath, const QString &removable, bool partition = false)
    {
        const QString device = m_dir.filePath(QStringLiteral("devices/") + devicePath);
        ASSERT_TRUE(QDir().mkpath(device));
        if (partition)
            touch(device + QStringLiteral("/partition"));
        else
            writeFlag(device + QStringLiteral("/removable"), removable);
        QDir().mkpath(blockFolder());
        const QString name = devicePath.section(u'/', -1);
        ASSERT_TRUE(QFile::link(device, blockFolder() + u'/' + name));
    }
    QString blockFolder() const { return m_dir.filePath(QStringLiteral("class/block")); }

private:
    static void writeFlag(const QString &path, const QString &value)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(value.toLatin1() + '\n');
    }
    QTemporaryDir m_dir;
};

} // namespace

TEST(PendriveScan, OnlyMeasurementFilesInTheRootFolder)
{
    QTemporaryDir stick;
    QTemporaryDir elsewhere;
    const QDir root(stick.path());
    for (const char *name : {"a.VRN", "b.vrn", "c.Vrn", ".hidden.VRN", "notes.txt", "a.VRN.bak"})
        touch(root.filePath(QLatin1String(name)));
    root.mkpath(QStringLiteral("sub"));
    touch(root.filePath(QStringLiteral("sub/deep.VRN")));
    root.mkpath(QStringLiteral("folder.VRN"));
    touch(QDir(elsewhere.path()).filePath(QStringLiteral("outside.VRN")));
    QFile::link(QDir(elsewhere.path()).filePath(QStringLiteral("outside.VRN")), root.filePath(QStringLiteral("leaves.VRN")));
    QFile::link(root.filePath(QStringLiteral("a.VRN")), root.filePath(QStringLiteral("stays.VRN")));
    QFile::link(root.filePath(QStringLiteral("gone")), root.filePath(QStringLiteral("dangling.VRN")));
    QFile::link(root.filePath(QStringLiteral("sub")), root.filePath(QStringLiteral("subdir.VRN")));

    QStringList expected;
    for (const char *name : {"a.VRN", "b.vrn", "c.Vrn", ".hidden.VRN", "stays.VRN"})
        expected << root.filePath(QLatin1String(name));
    EXPECT_EQ(sorted(measurementFilesIn(stick.path())), sorted(expected));
    EXPECT_TRUE(measurementFilesIn(stick.path() + QStringLiteral("/missing")).isEmpty());
}

TEST(PendriveScan, DrivesAfterEachOtherAndNeverTheFloppy)
{
    QTemporaryDir first, second, floppy;
    touch(first.filePath(QStringLiteral("one.VRN")));
    touch(second.filePath(QStringLiteral("two.VRN")));
    touch(floppy.filePath(QStringLiteral("old.VRN")));
    const QStringList found = findMeasurementFiles({{first.path(), false},
                                                    {floppy.path(), true},
                                                    {second.path() + u'/', false}});
    EXPECT_EQ(found, (QStringList{first.filePath(QStringLiteral("one.VRN")),
                                  second.filePath(QStringLiteral("two.VRN"))}));
}

TEST(PendriveScan, RemovableDevicesByTheKernelsFlagsAndBus)
{
    FakeSysfs sys;
    sys.add(QStringLiteral("pci0/ata1/block/sda"), QStringLiteral("0"));
    sys.add(QStringLiteral("pci0/ata1/block/sda/sda1"), {}, true);
    sys.add(QStringLiteral("pci0/card/block/sdb"), QStringLiteral("1"));
    sys.add(QStringLiteral("pci0/card/block/sdb/sdb1"), {}, true);
    sys.add(QStringLiteral("pci0/usb1/1-1/block/sdc"), QStringLiteral("0"));
    sys.add(QStringLiteral("pci0/usb1/1-1/block/sdc/sdc1"), {}, true);
    sys.add(QStringLiteral("platform/floppy/block/fd0"), QStringLiteral("1"));
    sys.add(QStringLiteral("pci0/ata2/block/sr0"), QStringLiteral("1"));

    const auto removable = [&](const char *name) {
        const auto kind = classifyBlockDevice(sys.blockFolder(), QLatin1String(name));
        return kind && isRemovableDrive(*kind);
    };
    EXPECT_FALSE(removable("sda"));
    EXPECT_FALSE(removable("sda1"));
    EXPECT_TRUE(removable("sdb1"));   // the partition takes its disk's flag
    EXPECT_TRUE(removable("sdc1"));   // on the USB bus
    EXPECT_FALSE(removable("sr0"));   // an optical drive is no removable drive
    EXPECT_FALSE(removable("nvme0n1"));
    ASSERT_TRUE(removable("fd0"));
    EXPECT_TRUE(classifyBlockDevice(sys.blockFolder(), QStringLiteral("fd0"))->floppy);
}
