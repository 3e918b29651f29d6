// The scratch file of an export: created beside the target, renamed onto it.
#include "ScratchFile.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vorn::exchange {

namespace {

constexpr int kNameAttempts = 100;

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

QString candidateName(const QString &folder)
{
    const quint64 tag = QRandomGenerator::global()->generate64();
    return QDir(folder).filePath(QStringLiteral(".vorn-export-%1.tmp").arg(tag, 16, 16, QLatin1Char('0')));
}

} // namespace

ScratchFile::ScratchFile(const QString &folder)
{
    int error = 0;
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        const QString candidate = candidateName(folder);
        // 0666 less the umask, as any new file the user makes.
        const int fd = ::open(QFile::encodeName(candidate).constData(),
                              O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            ::close(fd);
            m_path = candidate;
            return;
        }
        error = errno;
        if (error != EEXIST)
            break;
    }
    m_error = QDir::toNativeSeparators(folder) + QStringLiteral(": ") + systemReason(error);
}

ScratchFile::~ScratchFile()
{
    discard();
}

void ScratchFile::discard()
{
    if (!m_path.isEmpty())
        ::unlink(QFile::encodeName(m_path).constData());
    m_path.clear();
}

bool ScratchFile::commitTo(const QString &target, QString *reason)
{
    const QByteArray from = QFile::encodeName(m_path);
    const QByteArray to = QFile::encodeName(target);
    struct stat existing {};
    if (::stat(to.constData(), &existing) == 0 && S_ISREG(existing.st_mode))
        ::chmod(from.constData(), existing.st_mode & 07777);
    if (::rename(from.constData(), to.constData()) == 0) {
        m_path.clear();
        return true;
    }
    const int error = errno;
    if (reason)
        *reason = QDir::toNativeSeparators(target) + QStringLiteral(": ") + systemReason(error);
    discard();
    return false;
}

} // namespace vorn::exchange
