#pragma once

#include "system/guardedlocalserver.h"

#include <QByteArray>
#include <QObject>

class QLocalSocket;

// Receives copy-data messages over a local socket that only this user may open. Each
// connection carries one frame: dwData (uint32, little-endian), cbData (uint32,
// little-endian), then cbData bytes; nothing beyond one frame is buffered. A frame longer than
// maxDataBytes, or one that does not complete within frameTimeoutMs, is dropped, and at most
// maxConnections are open at once. The connection
// is closed as soon as the frame is taken, and the frame is handed on from the event loop
// afterwards: a receiver may run a nested event loop (a modal box) without holding a socket.
class CopyDataServer : public QObject {
    Q_OBJECT
public:
    static constexpr quint32 maxDataBytes = 64 * 1024;
    // A sender writes its frame at once, and a local socket carries 64 KB in well under a
    // millisecond; a sender is a script or another program, one at a time.
    static constexpr int frameTimeoutMs = 1000;
    static constexpr int maxConnections = 8;

    explicit CopyDataServer(QObject* parent = nullptr);
    ~CopyDataServer() override;

    // The socket's path in the user's private runtime folder (runtimefolder::path()); empty when
    // there is none.
    static QString defaultName();
    // Takes the name over from a program that ended without removing it. False when the
    // socket cannot be made; the program then simply receives no messages.
    bool listen(const QString& name = defaultName());
    QString fullServerName() const { return server.fullServerName(); }

signals:
    // Emitted (queued) once per complete frame, after its connection has been closed.
    void received(quintptr dwData, quint32 cbData, const QByteArray& data);

private:
    void accept(QLocalSocket* socket);
    void read(QLocalSocket* socket);

    GuardedLocalServer server;
};
