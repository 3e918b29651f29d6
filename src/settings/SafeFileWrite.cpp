// A safe whole-file write on POSIX calls, so that errno is read right where a
// call fails (a full disk shows as "No space left on device", not as an
// unknown error after the fact).
#include "SafeFileWrite.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vorn {

namespace {

// The file a write replaces: the target of a symbolic link, not the link.
QString finalPath(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isSymLink())
        return path;
    const QString target = info.canonicalFilePath();
    return target.isEmpty() ? path : target;
}

// Creates a new file with a random name beside target; the file descriptor,
// or -1 with errno set. The name never replaces an existing file.
int createTemporary(const QByteArray &target, mode_t mode, QByteArray &temporary)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = target + '.' + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        const int fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

// 0, or the errno of the write that failed.
int writeAll(int fd, const QByteArray &bytes)
{
    const char *data = bytes.constData();
    qint64 left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, size_t(std::min<qint64>(left, 1 << 30)));
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            return errno;
        if (written == 0)
            return EIO; // a regular file that takes nothing will never take the rest
        data += written;
        left -= written;
    }
    return 0;
}

// Fills the open temporary file and closes it; 0 or the first errno.
int fillTemporary(int fd, const QByteArray &bytes, const struct stat *replaced)
{
    int error = writeAll(fd, bytes);
    // Without fsync a delayed block allocation could still fail after the
    // rename, leaving a short file where a complete one stood.
    if (error == 0 && ::fsync(fd) != 0)
        error = errno;
    // The open() mode was reduced by the umask; the replaced file's bits are
    // restored exactly.
    if (error == 0 && replaced && ::fchmod(fd, replaced->st_mode & 07777) != 0)
        error = errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    return error;
}

} // namespace

FileWriteResult writeFileSafely(const QString &path, const QByteArray &bytes)
{
    const auto failed = [&path](int error) {
        return FileWriteResult{false, QDir::toNativeSeparators(path) + QLatin1StringView(": ")
                                          + QString::fromLocal8Bit(std::strerror(error))};
    };
    const QByteArray target = QFile::encodeName(finalPath(path));
    struct stat old {};
    const bool replacing = ::stat(target.constData(), &old) == 0;
    QByteArray temporary;
    const int fd = createTemporary(target, replacing ? (old.st_mode & 07777) : 0666, temporary);
    if (fd < 0)
        return failed(errno);
    int error = fillTemporary(fd, bytes, replacing ? &old : nullptr);
    if (error == 0 && ::rename(temporary.constData(), target.constData()) != 0)
        error = errno;
    if (error != 0) {
        ::unlink(temporary.constData());
        return failed(error);
    }
    return FileWriteResult{true, {}};
}

} // namespace vorn
