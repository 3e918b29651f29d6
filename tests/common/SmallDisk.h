// A real, nearly empty small disk for tests of what happens when it fills up:
// a tmpfs of a given size mounted over a temporary folder for one test.
#pragma once

#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <sys/mount.h>

namespace vorn::test {

class SmallDisk {
public:
    // Mounting needs the right to mount (root in CI); mounted() tells.
    explicit SmallDisk(const char *size)
    {
        const QByteArray options = QByteArray("size=") + size;
        m_mounted = m_dir.isValid()
                    && ::mount("tmpfs", QFile::encodeName(m_dir.path()).constData(), "tmpfs", 0,
                               options.constData()) == 0;
    }
    ~SmallDisk()
    {
        if (m_mounted)
            ::umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk &) = delete;
    SmallDisk &operator=(const SmallDisk &) = delete;

    bool mounted() const { return m_mounted; }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
};

} // namespace vorn::test
