// Lets only one copy of the program run per user: the first copy holds a lock
// in the user's runtime folder and listens on a local socket there; a later
// copy hands its command-line file over to it and ends.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace SingleInstance {

// The main window's caption begins with this marker; a second copy hands its
// file over only to a copy whose caption contains it (case-insensitive).
inline constexpr QStringView kInstanceMarker = u"-= VORN =- (ver 5.0.0.9)";
// Shown in a plain message box when no running copy answers with the marker.
inline constexpr QStringView kNoMatchingCopyText = u"Nem ugyanaz a verziószám";

// Environment variable that, when set, names the runtime folder (tests point
// it at a private temporary folder).
inline constexpr char kRuntimeFolderVariable[] = "VORN_RUNTIME_DIR";

// The folder for the lock file and the socket: VORN_RUNTIME_DIR when set,
// else XDG_RUNTIME_DIR when set and usable, else /tmp/vorn-<uid>. The folder
// is created with mode 0700 when missing and must be a real folder (no
// symbolic link) owned by this user with no access for group or others.
// Returns "" when it is not, with the reason in *error.
QString runtimeFolder(QString *error = nullptr);
// Creates folder with mode 0700 when missing and checks owner and mode as
// above. Returns false with the reason in *error.
bool ensurePrivateFolder(const QString &folder, QString *error = nullptr);
QString lockFilePath(const QString &folder);
QString socketPath(const QString &folder);

// An exclusive flock() on the lock file; held until release() or destruction.
// Separate InstanceLock objects exclude each other even within one process.
class InstanceLock {
public:
    enum class State { Acquired, Busy, Failed };

    InstanceLock() = default;
    ~InstanceLock();
    InstanceLock(const InstanceLock &) = delete;
    InstanceLock &operator=(const InstanceLock &) = delete;

    // Busy: another holder has it. Failed: the file cannot be opened or
    // locked (errorString() says why).
    State tryAcquire(const QString &path);
    bool isHeld() const { return m_fd >= 0; }
    void release();
    QString errorString() const { return m_error; }

private:
    int m_fd = -1;
    QString m_error;
};

// Number of running processes of this user (real user id) whose executable
// is named exeName, the caller included. The executable is the target of
// /proc/<pid>/exe (without a " (deleted)" suffix), else argv[0], else the
// command name. A process counts when its executable's file name, or the
// whole path, equals exeName after upper-casing both; nothing is trimmed.
int ProcessCount(const QString &exeName);
// The same count over another process table folder and user id (tests use a
// made-up table).
int countProcesses(const QString &procRoot, const QString &exeName, unsigned userId);

/* The hand-over protocol, one local stream socket per hand-over; integers
   are 32-bit little-endian.
     sender   -> receiver  'Q'                         asks for the caption
     receiver -> sender    'C' u32 n, n bytes UTF-8    the main window's caption
     sender   -> receiver  'D' u32 cbData, cbData bytes
                           the first command-line argument in the ANSI code
                           page followed by one zero byte; cbData counts the
                           zero, so an empty path has cbData 1
     receiver -> sender    'R' i32 0                   the path has been taken
   The sender sends 'D' only when the caption contains kInstanceMarker. The
   receiver closes the connection after 'R'. Any other request, a second 'Q',
   cbData of 0 or above kMaxPayload, a payload without a zero byte, or a
   pause of kMessageTimeoutMs ends the connection without a hand-over.
   Only a peer with this process's user id is served. */
inline constexpr int kMaxPayload = 64 * 1024;
inline constexpr int kMaxCaptionBytes = 4096;
inline constexpr int kMessageTimeoutMs = 2000;

// A 'C', 'D' or 'R' message: the type byte, value (a size or the result) and
// the payload.
QByteArray encodeFrame(char type, quint32 value, QByteArrayView payload = {});

enum class SendResult {
    Delivered,     // the running copy took the path
    NoMarker,      // a copy answered with a caption without kInstanceMarker
    NoAnswer,      // nobody listens, or no caption came; nothing was sent
    NotConfirmed,  // the path was sent but its answer did not come
};

// One hand-over attempt to the copy listening on serverPath; each wait is
// bounded by timeoutMs. Blocks; needs a QCoreApplication.
SendResult SendData(const QString &serverPath, const QString &firstArgument,
                    int timeoutMs = kMessageTimeoutMs);

enum class Decision {
    RunAsFirst,      // this copy is the first one and holds the lock
    HandedOver,      // the file went to the running copy; end this copy
    NoMatchingCopy,  // a copy runs but did not take the file; show the box, end
};

struct DecideOptions {
    int retryMs = 5000;  // how long a copy that is still starting is retried
    int pauseMs = 1000;  // pause after a hand-over before this copy ends
};

// The start-up decision, for main() once the application object exists:
// takes the lock (kept for the life of the process) or, when another copy
// holds it, hands firstArgument over to that copy, retrying while it is still
// starting and becoming the first copy if it ends meanwhile. A hand-over that
// was sent but not confirmed is not repeated (the path may have arrived): it
// gives NoMatchingCopy. When no private
// runtime folder can be had, falls back to ProcessCount of argv0's file name:
// more than one copy gives NoMatchingCopy.
Decision decide(const QString &argv0, const QString &firstArgument,
                const DecideOptions &options = {});

// The plain message box with kNoMatchingCopyText; needs a QApplication.
void showNoMatchingCopyBox();

} // namespace SingleInstance
