// The receiving end of the hand-over: one small reader per connected sender,
// fed by readyRead so that the user interface thread never waits for a sender.
#include "app/HandOverServer.h"

#include "app/SingleInstance.h"
#include "settings/AnsiCodePage.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>
#include <QTimer>
#include <QtEndian>

#include <sys/socket.h>
#include <unistd.h>

namespace {

using namespace SingleInstance;

// Senders are few and short-lived; more at once means something is wrong.
constexpr int kMaxOpenConnections = 8;
constexpr qsizetype kHeaderSize = 5;  // type byte + 32-bit value
// A caption request and a hand-over of the largest size.
constexpr qsizetype kMaxBuffered = 1 + kHeaderSize + kMaxPayload;

bool peerIsThisUser(qintptr descriptor)
{
    ucred credentials{};
    socklen_t size = sizeof credentials;
    if (::getsockopt(int(descriptor), SOL_SOCKET, SO_PEERCRED, &credentials, &size) != 0)
        return false;
    return credentials.uid == ::getuid();
}

// One sender's requests, read as they arrive; owns the socket.
class HandOverConnection : public QObject {
public:
    using Deliver = std::function<void(const QString &)>;

    HandOverConnection(QLocalSocket *socket, HandOverServer::CaptionSource caption,
                       Deliver deliver, QObject *parent);

private:
    enum class Outcome { NeedMore, Served, Finished, Malformed };

    void readRequests();
    Outcome takeRequest();
    Outcome takeHandOver();
    void drop();

    QLocalSocket *m_socket;
    HandOverServer::CaptionSource m_caption;
    Deliver m_deliver;
    QTimer m_timer;
    QByteArray m_buffer;
    bool m_captionSent = false;
    bool m_finished = false;
};

HandOverConnection::HandOverConnection(QLocalSocket *socket, HandOverServer::CaptionSource caption,
                                       Deliver deliver, QObject *parent)
    : QObject(parent), m_socket(socket), m_caption(std::move(caption)), m_deliver(std::move(deliver))
{
    m_socket->setParent(this);
    m_timer.setSingleShot(true);
    m_timer.setInterval(kMessageTimeoutMs);
    connect(&m_timer, &QTimer::timeout, this, &HandOverConnection::drop);
    connect(m_socket, &QLocalSocket::readyRead, this, &HandOverConnection::readRequests);
    connect(m_socket, &QLocalSocket::disconnected, this, &QObject::deleteLater);
    m_timer.start();
    readRequests();  // bytes may have arrived before the connection was taken
}

void HandOverConnection::readRequests()
{
    QPointer<HandOverConnection> alive(this);
    while (alive && !m_finished) {
        m_buffer += m_socket->read(kMaxBuffered - m_buffer.size());
        const Outcome outcome = takeRequest();
        if (outcome == Outcome::Malformed
            || (outcome == Outcome::NeedMore && m_buffer.size() >= kMaxBuffered)) {
            drop();
            return;
        }
        if (outcome == Outcome::NeedMore && m_socket->bytesAvailable() == 0)
            return;
    }
}

HandOverConnection::Outcome HandOverConnection::takeRequest()
{
    if (m_buffer.isEmpty())
        return Outcome::NeedMore;
    if (m_buffer.front() == 'D')
        return takeHandOver();
    if (m_buffer.front() != 'Q' || m_captionSent)
        return Outcome::Malformed;
    m_buffer.remove(0, 1);
    m_captionSent = true;
    const QString caption = m_caption ? m_caption() : QString();
    const QByteArray text = caption.left(kMaxCaptionBytes / 4).toUtf8();
    m_socket->write(encodeFrame('C', quint32(text.size()), text));
    m_timer.start();
    return Outcome::Served;
}

HandOverConnection::Outcome HandOverConnection::takeHandOver()
{
    if (m_buffer.size() < kHeaderSize)
        return Outcome::NeedMore;
    const quint32 cbData = qFromLittleEndian<quint32>(m_buffer.constData() + 1);
    if (cbData == 0 || cbData > quint32(kMaxPayload))
        return Outcome::Malformed;
    if (m_buffer.size() < kHeaderSize + qsizetype(cbData))
        return Outcome::NeedMore;
    const QByteArrayView payload = QByteArrayView(m_buffer).sliced(kHeaderSize, cbData);
    const qsizetype end = payload.indexOf('\0');
    if (end < 0)
        return Outcome::Malformed;
    m_finished = true;
    m_timer.stop();
    const QString path = vorn::codepage::decodeAnsi(payload.first(end));
    QPointer<HandOverConnection> alive(this);
    m_deliver(path);  // the receiver may run a nested event loop
    if (alive) {
        m_socket->write(encodeFrame('R', 0));
        m_socket->disconnectFromServer();  // after the answer has been written
    }
    return Outcome::Finished;
}

void HandOverConnection::drop()
{
    m_finished = true;
    m_timer.stop();
    m_socket->abort();
    deleteLater();
}

} // namespace

HandOverServer::HandOverServer(CaptionSource caption, QObject *parent)
    : QObject(parent), m_server(new QLocalServer(this)), m_caption(std::move(caption))
{
    connect(m_server, &QLocalServer::newConnection, this, &HandOverServer::acceptConnections);
}

HandOverServer::~HandOverServer() = default;

bool HandOverServer::listen(const QString &path)
{
    m_server->close();
    QString target = path;
    if (target.isEmpty()) {
        const QString folder = SingleInstance::runtimeFolder(&m_error);
        if (folder.isEmpty())
            return false;
        target = SingleInstance::socketPath(folder);
    }
    QLocalServer::removeServer(target);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(target)) {
        m_error = m_server->errorString();
        return false;
    }
    m_error.clear();
    return true;
}

bool HandOverServer::isListening() const
{
    return m_server->isListening();
}

QString HandOverServer::serverPath() const
{
    return m_server->fullServerName();
}

void HandOverServer::acceptConnections()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        if (m_openConnections >= kMaxOpenConnections || !peerIsThisUser(socket->socketDescriptor())) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        auto deliver = [this](const QString &path) { emit pathReceived(path); };
        auto *connection = new HandOverConnection(socket, m_caption, deliver, this);
        ++m_openConnections;
        connect(connection, &QObject::destroyed, this, [this] { --m_openConnections; });
    }
}
