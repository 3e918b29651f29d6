// SendData: the second copy's end of the hand-over, a short blocking
// exchange with the running copy before this copy ends.
#include "app/SingleInstance.h"

#include "settings/AnsiCodePage.h"

#include <QDeadlineTimer>
#include <QLocalSocket>
#include <QtEndian>

namespace SingleInstance {

namespace {

constexpr qint64 kHeaderSize = 5;  // type byte + 32-bit value

bool readExactly(QLocalSocket &socket, qint64 size, QByteArray *bytes, const QDeadlineTimer &deadline)
{
    while (socket.bytesAvailable() < size) {
        if (deadline.hasExpired() || !socket.waitForReadyRead(int(deadline.remainingTime())))
            return false;
    }
    *bytes = socket.read(size);
    return true;
}

// Reads a header of the expected type; its value is returned in *value.
bool readHeader(QLocalSocket &socket, char type, quint32 *value, const QDeadlineTimer &deadline)
{
    QByteArray header;
    if (!readExactly(socket, kHeaderSize, &header, deadline) || header.front() != type)
        return false;
    *value = qFromLittleEndian<quint32>(header.constData() + 1);
    return true;
}

bool readCaption(QLocalSocket &socket, QString *caption, const QDeadlineTimer &deadline)
{
    quint32 size = 0;
    QByteArray text;
    if (!readHeader(socket, 'C', &size, deadline) || size > quint32(kMaxCaptionBytes)
        || !readExactly(socket, qint64(size), &text, deadline))
        return false;
    *caption = QString::fromUtf8(text);
    return true;
}

bool send(QLocalSocket &socket, const QByteArray &bytes, int timeoutMs)
{
    return socket.write(bytes) == bytes.size() && socket.waitForBytesWritten(timeoutMs);
}

} // namespace

QByteArray encodeFrame(char type, quint32 value, QByteArrayView payload)
{
    QByteArray bytes(kHeaderSize, '\0');
    bytes[0] = type;
    qToLittleEndian(value, bytes.data() + 1);
    return bytes + payload.toByteArray();
}

SendResult SendData(const QString &serverPath, const QString &firstArgument, int timeoutMs)
{
    QByteArray path = vorn::codepage::encodeAnsi(firstArgument);
    path.append('\0');  // counted in cbData, as the receiver reads up to it
    if (path.size() > kMaxPayload)
        return SendResult::NoAnswer;  // the receiver would refuse it

    QLocalSocket socket;
    socket.connectToServer(serverPath);
    if (!socket.waitForConnected(timeoutMs) || !send(socket, QByteArray(1, 'Q'), timeoutMs))
        return SendResult::NoAnswer;
    QString caption;
    if (!readCaption(socket, &caption, QDeadlineTimer(timeoutMs)))
        return SendResult::NoAnswer;
    if (!caption.toUpper().contains(kInstanceMarker.toString().toUpper()))
        return SendResult::NoMarker;

    quint32 result = 1;
    if (!send(socket, encodeFrame('D', quint32(path.size()), path), timeoutMs)
        || !readHeader(socket, 'R', &result, QDeadlineTimer(timeoutMs)) || result != 0)
        return SendResult::NotConfirmed;
    return SendResult::Delivered;
}

} // namespace SingleInstance
