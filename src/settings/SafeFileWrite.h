// Writing a whole file so that a failure never leaves it half written, and
// telling the user the system's own reason when it fails.
#pragma once

#include <QByteArray>
#include <QString>

namespace vorn {

struct FileWriteResult {
    bool ok = false;
    QString errorText; // "<path>: <reason>" when the write failed
};

// Writes bytes as the file at path. They go to a new temporary file in the same
// folder, which is flushed to the disk and then renamed over path: the old file
// stays as it was until the new one is complete. The new file keeps the
// permission bits of the file it replaces (a new file gets 0666 less the
// umask); a symbolic link at path is followed and its target replaced.
//
// Every system call is checked where it fails, so on failure errorText names
// the path and the system's reason, for example
// "/media/stick/run.VRN: No space left on device". The temporary file is then
// removed and path is untouched.
FileWriteResult writeFileSafely(const QString &path, const QByteArray &bytes);

} // namespace vorn
