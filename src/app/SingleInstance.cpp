// The runtime folder, the instance lock and the start-up decision between
// running as the first copy and handing the file over to it.
#include "app/SingleInstance.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QThread>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace SingleInstance {

namespace {

constexpr int kRetryIntervalMs = 100;

QString systemError(const QString &what, const QString &path, int error)
{
    return QStringLiteral("%1 %2: %3").arg(what, path, QString::fromLocal8Bit(std::strerror(error)));
}

void setError(QString *error, const QString &text)
{
    if (error)
        *error = text;
}

// The lock of the first copy, kept until the process ends.
InstanceLock &lifetimeLock()
{
    static InstanceLock lock;
    return lock;
}

Decision decideByProcessCount(const QString &argv0)
{
    return ProcessCount(QFileInfo(argv0).fileName()) > 1 ? Decision::NoMatchingCopy
                                                         : Decision::RunAsFirst;
}

} // namespace

bool ensurePrivateFolder(const QString &folder, QString *error)
{
    const QByteArray path = QFile::encodeName(folder);
    if (::mkdir(path.constData(), 0700) != 0 && errno != EEXIST) {
        const int code = errno;
        setError(error, systemError(QStringLiteral("Cannot create"), folder, code));
        return false;
    }
    struct stat info {};
    if (::lstat(path.constData(), &info) != 0) {
        const int code = errno;
        setError(error, systemError(QStringLiteral("Cannot inspect"), folder, code));
        return false;
    }
    if (!S_ISDIR(info.st_mode)) {
        setError(error, folder + QStringLiteral(" is not a folder"));
        return false;
    }
    if (info.st_uid != ::getuid()) {
        setError(error, folder + QStringLiteral(" belongs to another user"));
        return false;
    }
    if ((info.st_mode & 077) != 0) {
        setError(error, folder + QStringLiteral(" is open to other users"));
        return false;
    }
    return true;
}

QString runtimeFolder(QString *error)
{
    const QString chosen = qEnvironmentVariable(kRuntimeFolderVariable);
    if (!chosen.isEmpty())
        return ensurePrivateFolder(chosen, error) ? chosen : QString();
    // An unusable XDG_RUNTIME_DIR is passed over, as the desktop rules advise.
    const QString xdg = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!xdg.isEmpty() && QFileInfo(xdg).isAbsolute() && ensurePrivateFolder(xdg, error))
        return xdg;
    const QString own = QStringLiteral("/tmp/vorn-%1").arg(::getuid());
    return ensurePrivateFolder(own, error) ? own : QString();
}

QString lockFilePath(const QString &folder)
{
    return folder + QStringLiteral("/vorn.lock");
}

QString socketPath(const QString &folder)
{
    return folder + QStringLiteral("/vorn.socket");
}

InstanceLock::~InstanceLock()
{
    release();
}

InstanceLock::State InstanceLock::tryAcquire(const QString &path)
{
    release();
    const int fd = ::open(QFile::encodeName(path).constData(),
                          O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) {
        const int code = errno;
        m_error = systemError(QStringLiteral("Cannot open"), path, code);
        return State::Failed;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(fd);
        if (error == EWOULDBLOCK)
            return State::Busy;
        m_error = systemError(QStringLiteral("Cannot lock"), path, error);
        return State::Failed;
    }
    m_fd = fd;
    return State::Acquired;
}

void InstanceLock::release()
{
    if (m_fd >= 0)
        ::close(m_fd);  // closing the only descriptor drops the flock
    m_fd = -1;
}

Decision decide(const QString &argv0, const QString &firstArgument, const DecideOptions &options)
{
    const QString folder = runtimeFolder();
    if (folder.isEmpty())
        return decideByProcessCount(argv0);
    const QDeadlineTimer deadline(options.retryMs);
    for (;;) {
        switch (lifetimeLock().tryAcquire(lockFilePath(folder))) {
        case InstanceLock::State::Acquired:
            return Decision::RunAsFirst;
        case InstanceLock::State::Failed:
            return decideByProcessCount(argv0);
        case InstanceLock::State::Busy:
            break;
        }
        const SendResult result = SendData(socketPath(folder), firstArgument);
        if (result == SendResult::Delivered) {
            QThread::msleep(ulong(qMax(0, options.pauseMs)));
            return Decision::HandedOver;
        }
        // The running copy may not listen yet or not have its caption yet.
        if (result == SendResult::NotConfirmed || deadline.hasExpired())
            return Decision::NoMatchingCopy;
        QThread::msleep(kRetryIntervalMs);
    }
}

void showNoMatchingCopyBox()
{
    QMessageBox box(QMessageBox::NoIcon, QString(), kNoMatchingCopyText.toString(), QMessageBox::Ok);
    box.exec();
}

} // namespace SingleInstance
