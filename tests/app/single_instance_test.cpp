// Single instance: the process count, the runtime folder, the lock and the
// hand-over from a second real process (handover_client) to the first copy.
#include "app/HandOverServer.h"
#include "app/SingleInstance.h"
#include "settings/AnsiCodePage.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace SingleInstance;

namespace {

// Exit codes of handover_client for the three decisions.
constexpr int kRunAsFirst = 10;
constexpr int kHandedOver = 11;
constexpr int kNoMatchingCopy = 12;

// Every letter is in windows-1250; "ő" and "ű" are not in windows-1252.
const QString kHungarianPath = QStringLiteral("/home/mérnök/árvíztűrő tükörfúrógép/Akku ŐŰ 1.VRN");
const QString kMarker = kInstanceMarker.toString();

// Runs the event loop until done() holds or timeoutMs passes.
template <typename Done>
bool waitUntil(Done done, int timeoutMs = 10000)
{
    const QDeadlineTimer deadline(timeoutMs);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QTest::qWait(10);
    }
    return true;
}

std::unique_ptr<QProcess> startProcess(const QString &program, const QStringList &arguments)
{
    auto process = std::make_unique<QProcess>();
    process->setProgram(program);
    process->setArguments(arguments);
    process->start();
    return process;
}

// Runs the event loop until the process ends: its exit code, or -1 when it
// crashed or did not end in time.
int exitCode(QProcess &process, int timeoutMs = 20000)
{
    if (!waitUntil([&] { return process.state() == QProcess::NotRunning; }, timeoutMs)) {
        process.kill();
        process.waitForFinished();
        return -1;
    }
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

QStringList outputLines(QProcess &process)
{
    return QString::fromUtf8(process.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
}

// Runs the event loop until the process has printed text.
bool waitForOutput(QProcess &process, const QString &text, QString *output)
{
    return waitUntil([&] {
        *output += QString::fromUtf8(process.readAllStandardOutput());
        return output->contains(text);
    });
}

// A copy of handover_client under another name, as if the program were
// installed in several folders.
QString copyClient(const QString &folder, const QString &name)
{
    const QString target = folder + u'/' + name;
    return QFile::copy(QStringLiteral(HANDOVER_CLIENT), target) ? target : QString();
}

QString uniqueName()
{
    return QStringLiteral("VornCount_%1").arg(QCoreApplication::applicationPid());
}

class SingleInstanceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        qputenv(kRuntimeFolderVariable, QFile::encodeName(m_dir.path()));
        vorn::codepage::setAnsiCodePage("windows-1250");
    }

    void TearDown() override { qunsetenv(kRuntimeFolderVariable); }

    QString folder() const { return m_dir.path(); }

    // This process as the first copy: it takes the lock, then listens.
    void becomeFirstCopy(const QString &caption)
    {
        m_caption = caption;
        ASSERT_EQ(m_lock.tryAcquire(lockFilePath(folder())), InstanceLock::State::Acquired);
        m_server = std::make_unique<HandOverServer>([this] {
            ++m_captionRequests;
            return m_caption;
        });
        ASSERT_TRUE(m_server->listen()) << m_server->errorString().toStdString();
        m_spy = std::make_unique<QSignalSpy>(m_server.get(), &HandOverServer::pathReceived);
    }

    // handover_client with a pinned code page and no pause after a hand-over
    // unless one is asked for.
    std::unique_ptr<QProcess> startClient(const QStringList &command, int pauseMs = 0)
    {
        const QStringList options{QStringLiteral("--codepage"), QStringLiteral("windows-1250"),
                                  QStringLiteral("--pause-ms"), QString::number(pauseMs)};
        return startProcess(QStringLiteral(HANDOVER_CLIENT), options + command);
    }

    QStringList received() const
    {
        QStringList paths;
        for (const QList<QVariant> &arguments : *m_spy)
            paths << arguments.at(0).toString();
        return paths;
    }

    QTemporaryDir m_dir;
    InstanceLock m_lock;
    QString m_caption;
    int m_captionRequests = 0;
    std::unique_ptr<HandOverServer> m_server;
    std::unique_ptr<QSignalSpy> m_spy;
};

// ---- ProcessCount ---------------------------------------------------------

void addProcess(const QString &root, const QString &pid, unsigned uid, const QByteArray &exe,
                const QByteArray &cmdline = {}, const QByteArray &comm = {})
{
    const QString folder = root + u'/' + pid;
    ASSERT_TRUE(QDir().mkpath(folder));
    auto write = [&](const QString &name, const QByteArray &bytes) {
        QFile file(folder + u'/' + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    };
    write(QStringLiteral("status"), "Name:\tx\nUid:\t" + QByteArray::number(uid) + "\t0\t0\t0\n");
    write(QStringLiteral("cmdline"), cmdline);
    write(QStringLiteral("comm"), comm);
    if (!exe.isEmpty()) {
        const QByteArray link = QFile::encodeName(folder + QStringLiteral("/exe"));
        ASSERT_EQ(::symlink(exe.constData(), link.constData()), 0);
    }
}

TEST(ProcessCount, CountsTheCallingProcessWhateverTheLetterCase)
{
    // Other cases of this test binary may run at the same time, hence ">=".
    const QString path = QCoreApplication::applicationFilePath();
    const QString own = QFileInfo(path).fileName();
    EXPECT_GE(ProcessCount(own), 1);
    EXPECT_GE(ProcessCount(own.toUpper()), 1);
    EXPECT_GE(ProcessCount(own.toLower()), 1);
    EXPECT_GE(ProcessCount(path), 1);
    EXPECT_EQ(ProcessCount(own + u' '), 0);
    EXPECT_EQ(ProcessCount(QStringLiteral("no-such-vorn-program")), 0);
}

TEST(ProcessCount, CountsCopiesStartedFromOtherFoldersAndTheCallerItself)
{
    QTemporaryDir first, second;
    const QString name = uniqueName();
    const QString waiting = copyClient(first.path(), name);
    const QString counting = copyClient(second.path(), name);
    ASSERT_FALSE(waiting.isEmpty());
    ASSERT_FALSE(counting.isEmpty());

    auto running = startProcess(waiting, {QStringLiteral("wait")});
    QString output;
    ASSERT_TRUE(waitForOutput(*running, QStringLiteral("ready"), &output));
    EXPECT_EQ(ProcessCount(name), 1);
    EXPECT_EQ(ProcessCount(name.toLower()), 1);
    EXPECT_EQ(ProcessCount(waiting), 1);

    auto counter = startProcess(counting, {QStringLiteral("count")});
    ASSERT_EQ(exitCode(*counter), 0);
    EXPECT_EQ(outputLines(*counter), QStringList({QStringLiteral("2"), QStringLiteral("2"), QStringLiteral("2")}));

    running->closeWriteChannel();
    ASSERT_EQ(exitCode(*running), 0);
    counter = startProcess(counting, {QStringLiteral("count")});
    ASSERT_EQ(exitCode(*counter), 0);
    EXPECT_EQ(outputLines(*counter), QStringList({QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("1")}));
}

TEST(ProcessCount, CountsOnlyTheUsersOwnProcessesWithThatExecutable)
{
    QTemporaryDir proc;
    const QString root = proc.path();
    const unsigned me = 1000, other = 1001;
    addProcess(root, QStringLiteral("100"), me, "/opt/vorn/Vorn");
    addProcess(root, QStringLiteral("101"), other, "/opt/vorn/vorn");            // another user's copy
    addProcess(root, QStringLiteral("102"), me, "/opt/old/vorn (deleted)");      // replaced executable
    addProcess(root, QStringLiteral("103"), me, {}, QByteArray("./vorn\0a.VRN\0", 13));  // exe unreadable
    addProcess(root, QStringLiteral("104"), me, {}, {}, "vorn\n");               // only the command name
    addProcess(root, QStringLiteral("105"), me, "/usr/bin/vorn2");
    addProcess(root, QStringLiteral("106"), me, "/usr/bin/vorn ");               // no trimming
    addProcess(root, QStringLiteral("self"), me, "/opt/vorn/vorn");              // not a process entry
    ASSERT_TRUE(QDir().mkpath(root + QStringLiteral("/107")));                   // ended: no status

    EXPECT_EQ(countProcesses(root, QStringLiteral("vorn"), me), 4);
    EXPECT_EQ(countProcesses(root, QStringLiteral("VORN"), other), 1);
    // The whole path matches too (100, and 102 once its suffix is gone).
    EXPECT_EQ(countProcesses(root, QStringLiteral("/opt/vorn/vorn"), me), 1);
    EXPECT_EQ(countProcesses(root, QStringLiteral("/OPT/OLD/VORN"), me), 1);
}

// ---- Runtime folder and lock ----------------------------------------------

TEST(RuntimeFolder, IsCreatedPrivateAndRefusedWhenOthersCouldReachIt)
{
    QTemporaryDir base;
    const QString fresh = base.path() + QStringLiteral("/fresh");
    ASSERT_TRUE(ensurePrivateFolder(fresh));
    EXPECT_EQ(QFileInfo(fresh).permissions() & 0x0077, 0);

    const QString open = base.path() + QStringLiteral("/open");
    ASSERT_TRUE(QDir().mkdir(open));
    ASSERT_EQ(::chmod(QFile::encodeName(open).constData(), 0755), 0);
    QString error;
    EXPECT_FALSE(ensurePrivateFolder(open, &error));
    EXPECT_TRUE(error.contains(open));

    const QString link = base.path() + QStringLiteral("/link");
    ASSERT_TRUE(QFile::link(fresh, link));
    EXPECT_FALSE(ensurePrivateFolder(link));

    if (::geteuid() == 0) {
        const QString foreign = base.path() + QStringLiteral("/foreign");
        ASSERT_TRUE(ensurePrivateFolder(foreign));
        ASSERT_EQ(::chown(QFile::encodeName(foreign).constData(), 65534, 65534), 0);
        EXPECT_FALSE(ensurePrivateFolder(foreign));
    }

    qputenv(kRuntimeFolderVariable, QFile::encodeName(open));
    EXPECT_TRUE(runtimeFolder().isEmpty());
    qputenv(kRuntimeFolderVariable, QFile::encodeName(fresh));
    EXPECT_EQ(runtimeFolder(), fresh);
    qunsetenv(kRuntimeFolderVariable);
}

TEST_F(SingleInstanceTest, LockDecidesWhichCopyIsFirst)
{
    InstanceLock first, second;
    ASSERT_EQ(first.tryAcquire(lockFilePath(folder())), InstanceLock::State::Acquired);
    EXPECT_EQ(second.tryAcquire(lockFilePath(folder())), InstanceLock::State::Busy);

    // A second process finds the lock taken; nobody answers it.
    auto client = startClient({QStringLiteral("--retry-ms"), QStringLiteral("300"),
                               QStringLiteral("decide"), QStringLiteral("/a.VRN")});
    EXPECT_EQ(exitCode(*client), kNoMatchingCopy);

    first.release();
    EXPECT_EQ(second.tryAcquire(lockFilePath(folder())), InstanceLock::State::Acquired);
    second.release();
    client = startClient({QStringLiteral("decide"), QStringLiteral("/a.VRN")});
    EXPECT_EQ(exitCode(*client), kRunAsFirst);
}

TEST_F(SingleInstanceTest, TwoCopiesStartedTogetherLeaveExactlyOneRunning)
{
    const QString pathA = QStringLiteral("/mérések/első.VRN");
    const QString pathB = QStringLiteral("/mérések/második.VRN");
    auto a = startClient({QStringLiteral("first"), pathA});
    auto b = startClient({QStringLiteral("first"), pathB});
    ASSERT_TRUE(waitUntil([&] {
        return a->state() == QProcess::NotRunning || b->state() == QProcess::NotRunning;
    }, 20000));
    const bool aEnded = a->state() == QProcess::NotRunning;
    QProcess &second = aEnded ? *a : *b;
    QProcess &first = aEnded ? *b : *a;
    EXPECT_EQ(exitCode(second), kHandedOver);

    QString output;
    EXPECT_TRUE(waitForOutput(first, QStringLiteral("received:"), &output));
    first.closeWriteChannel();
    EXPECT_EQ(exitCode(first), kRunAsFirst);
    output += QString::fromUtf8(first.readAllStandardOutput());
    const QString handedOver = aEnded ? pathA : pathB;
    EXPECT_EQ(output.split(u'\n', Qt::SkipEmptyParts),
              QStringList({QStringLiteral("first"),
                           QStringLiteral("received:") + QString::fromLatin1(handedOver.toUtf8().toHex())}));
}

TEST_F(SingleInstanceTest, SocketLeftByACrashedCopyDoesNotBlockTheNextStart)
{
    auto crashed = startClient({QStringLiteral("first"), QString()});
    QString output;
    ASSERT_TRUE(waitForOutput(*crashed, QStringLiteral("first"), &output));
    crashed->kill();
    EXPECT_EQ(exitCode(*crashed), -1);
    ASSERT_TRUE(QFileInfo::exists(socketPath(folder())));

    auto next = startClient({QStringLiteral("decide"), QStringLiteral("/a.VRN")});
    EXPECT_EQ(exitCode(*next), kRunAsFirst);

    becomeFirstCopy(kMarker);
    auto sender = startClient({QStringLiteral("decide"), QStringLiteral("/b.VRN")});
    EXPECT_EQ(exitCode(*sender), kHandedOver);
    EXPECT_EQ(received(), QStringList{QStringLiteral("/b.VRN")});
}

TEST_F(SingleInstanceTest, WithoutAPrivateFolderTheProcessCountDecides)
{
    QTemporaryDir programs;
    const QString name = uniqueName();
    const QString program = copyClient(programs.path(), name);
    ASSERT_FALSE(program.isEmpty());
    ASSERT_EQ(::chmod(QFile::encodeName(folder()).constData(), 0755), 0);

    auto alone = startProcess(program, {QStringLiteral("decide"), QStringLiteral("/a.VRN")});
    EXPECT_EQ(exitCode(*alone), kRunAsFirst);

    auto running = startProcess(program, {QStringLiteral("wait")});
    QString output;
    ASSERT_TRUE(waitForOutput(*running, QStringLiteral("ready"), &output));
    auto second = startProcess(program, {QStringLiteral("decide"), QStringLiteral("/a.VRN")});
    EXPECT_EQ(exitCode(*second), kNoMatchingCopy);
    running->closeWriteChannel();
    EXPECT_EQ(exitCode(*running), 0);
}

// ---- Hand-over --------------------------------------------------------------

TEST_F(SingleInstanceTest, HandOverCarriesThePathInTheAnsiCodePage)
{
    // The marker is found in any letter case, inside a longer caption.
    becomeFirstCopy(QStringLiteral("-= vorn =- (VER 5.0.0.9) - [Akku 1.VRN]"));
    auto client = startClient({QStringLiteral("decide"), kHungarianPath});
    EXPECT_EQ(exitCode(*client), kHandedOver);

    // A letter the code page lacks arrives as "?", as on the original system.
    client = startClient({QStringLiteral("decide"), QStringLiteral("/akku/Ωmega.VRN")});
    EXPECT_EQ(exitCode(*client), kHandedOver);
    EXPECT_EQ(received(), QStringList({kHungarianPath, QStringLiteral("/akku/?mega.VRN")}));
}

TEST_F(SingleInstanceTest, EmptyArgumentArrivesAsEmptyPath)
{
    becomeFirstCopy(kMarker);
    auto client = startClient({QStringLiteral("decide"), QString()});
    EXPECT_EQ(exitCode(*client), kHandedOver);
    EXPECT_EQ(received(), QStringList{QString()});
}

TEST_F(SingleInstanceTest, CaptionWithoutTheMarkerGetsNothing)
{
    becomeFirstCopy(QStringLiteral("-= VORN =- (ver 5.0.0.8)"));
    auto client = startClient({QStringLiteral("--retry-ms"), QStringLiteral("300"),
                               QStringLiteral("decide"), kHungarianPath});
    EXPECT_EQ(exitCode(*client), kNoMatchingCopy);
    EXPECT_GE(m_captionRequests, 1);
    EXPECT_TRUE(received().isEmpty());
}

TEST_F(SingleInstanceTest, SenderWaitsForAFirstCopyThatHasNoCaptionYet)
{
    becomeFirstCopy(QString());
    auto client = startClient({QStringLiteral("decide"), kHungarianPath});
    ASSERT_TRUE(waitUntil([this] { return m_captionRequests >= 1; }));
    m_caption = kMarker;
    EXPECT_EQ(exitCode(*client), kHandedOver);
    EXPECT_EQ(received(), QStringList{kHungarianPath});
}

TEST_F(SingleInstanceTest, MalformedMessagesAreDroppedAndTheNextSenderIsServed)
{
    becomeFirstCopy(kMarker);
    const QList<QByteArray> malformed{
        QByteArray("GET / HTTP/1.0\r\n\r\n"),
        encodeFrame('D', 0xFFFFFFFFu),
        encodeFrame('D', quint32(kMaxPayload) + 1),
        encodeFrame('D', 0),
        encodeFrame('D', 3, "abc"),  // no terminating zero
        QByteArray("QQ"),
    };
    std::vector<std::unique_ptr<QLocalSocket>> sockets;
    for (const QByteArray &bytes : malformed) {
        sockets.push_back(std::make_unique<QLocalSocket>());
        sockets.back()->connectToServer(m_server->serverPath());
        ASSERT_TRUE(sockets.back()->waitForConnected(2000));
        sockets.back()->write(bytes);
    }
    // Says nothing at all, then half a message.
    QLocalSocket silent, halfMessage;
    silent.connectToServer(m_server->serverPath());
    halfMessage.connectToServer(m_server->serverPath());
    halfMessage.write(encodeFrame('D', 10, "ab"));
    QSignalSpy silentDropped(&silent, &QLocalSocket::disconnected);

    EXPECT_TRUE(waitUntil([&] {
        return std::all_of(sockets.begin(), sockets.end(), [](const auto &socket) {
            return socket->state() == QLocalSocket::UnconnectedState;
        });
    }));
    auto client = startClient({QStringLiteral("decide"), kHungarianPath});
    EXPECT_EQ(exitCode(*client), kHandedOver);
    EXPECT_EQ(received(), QStringList{kHungarianPath});
    // The good sender did not have to wait for the silent one.
    EXPECT_EQ(silentDropped.count(), 0);
    EXPECT_TRUE(silentDropped.wait(kMessageTimeoutMs + 3000));
    EXPECT_TRUE(waitUntil([&] { return halfMessage.state() == QLocalSocket::UnconnectedState; }));
    EXPECT_EQ(received().size(), 1);
}

TEST_F(SingleInstanceTest, TwoQuickHandOversArriveInOrder)
{
    becomeFirstCopy(kMarker);
    const QString first = QStringLiteral("/mérések/régebbi.VRN");
    const QString second = QStringLiteral("/mérések/újabb.VRN");
    auto a = startClient({QStringLiteral("decide"), first}, 1000);
    ASSERT_TRUE(waitUntil([this] { return m_spy->count() == 1; }));
    auto b = startClient({QStringLiteral("decide"), second}, 1000);
    ASSERT_TRUE(waitUntil([this] { return m_spy->count() == 2; }));
    EXPECT_EQ(received(), QStringList({first, second}));
    EXPECT_EQ(exitCode(*a), kHandedOver);
    EXPECT_EQ(exitCode(*b), kHandedOver);
}

TEST_F(SingleInstanceTest, AnotherUsersConnectionIsRefused)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "connecting as another user needs root";
    becomeFirstCopy(kMarker);
    // Let the other user reach the socket, so that only the peer check stands.
    ASSERT_EQ(::chmod(QFile::encodeName(folder()).constData(), 0711), 0);
    const QByteArray path = QFile::encodeName(socketPath(folder()));
    ASSERT_EQ(::chmod(path.constData(), 0777), 0);
    const QByteArray message = encodeFrame('D', 2, QByteArrayView("x\0", 2));

    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0)
            ::_exit(3);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        if (::connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0)
            ::_exit(4);
        if (::write(fd, message.constData(), size_t(message.size())) != message.size())
            ::_exit(5);
        char answer = 0;
        ::_exit(::read(fd, &answer, 1) > 0 ? 1 : 0);  // 0: closed without an answer
    }
    int status = 0;
    ASSERT_TRUE(waitUntil([&] { return ::waitpid(pid, &status, WNOHANG) == pid; }));
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_TRUE(received().isEmpty());

    ASSERT_EQ(::chmod(QFile::encodeName(folder()).constData(), 0700), 0);
    auto client = startClient({QStringLiteral("decide"), kHungarianPath});
    EXPECT_EQ(exitCode(*client), kHandedOver);
    EXPECT_EQ(received(), QStringList{kHungarianPath});
}

} // namespace
