// The first copy's end of the hand-over: listens on the local socket, tells a
// second copy the main window's caption and receives its command-line file.
// The protocol is described in SingleInstance.h.
#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QLocalServer;

class HandOverServer : public QObject {
    Q_OBJECT
public:
    // Returns the main window's current caption, asked anew for every sender.
    using CaptionSource = std::function<QString()>;

    explicit HandOverServer(CaptionSource caption, QObject *parent = nullptr);
    ~HandOverServer() override;

    // Listens on path, or on the socket of SingleInstance::runtimeFolder()
    // when path is empty. A socket file left there by an ended copy is removed
    // first, so only the holder of the instance lock may call this. Returns
    // false when it cannot listen; errorString() says why.
    bool listen(const QString &path = QString());
    bool isListening() const;
    QString serverPath() const;
    QString errorString() const { return m_error; }

signals:
    // One handed-over path, decoded from the ANSI code page; may be empty.
    void pathReceived(const QString &path);

private:
    void acceptConnections();

    QLocalServer *m_server;
    CaptionSource m_caption;
    QString m_error;
    int m_openConnections = 0;
};
