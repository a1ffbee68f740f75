#include "system/guardedlocalserver.h"

#include <QFileInfo>
#include <QLocalSocket>

GuardedLocalServer::GuardedLocalServer(Limits limits, QObject* parent)
    : QObject(parent)
    , limits(limits)
{
    server.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server, &QLocalServer::newConnection, this, &GuardedLocalServer::accept);
    watchdog.setInterval(checkMs);
    connect(&watchdog, &QTimer::timeout, this, &GuardedLocalServer::check);
}

bool GuardedLocalServer::listen(const QString& serverName)
{
    if (serverName.isEmpty())
        return false;
    name = serverName;
    watchdog.start();
    server.close();
    QLocalServer::removeServer(name);
    return server.listen(name);
}

void GuardedLocalServer::check()
{
    bool lost = !server.isListening();
#ifdef Q_OS_UNIX
    // Another process of this user may have removed the socket file; nobody could reach us.
    lost = lost || !QFileInfo(server.fullServerName()).exists();
#endif
    if (lost && !listen(name))
        qDebug("local server %s: cannot listen again", qPrintable(name));
}

void GuardedLocalServer::accept()
{
    while (QLocalSocket* socket = server.nextPendingConnection()) {
        if (open >= limits.maxConnections) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        ++open;
        connect(socket, &QObject::destroyed, this, [this] { --open; });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        // Qt stops reading from the peer once the buffer is full, so memory stays bounded.
        socket->setReadBufferSize(limits.bufferBytes);
        auto* deadline = new QTimer(socket);
        deadline->setSingleShot(true);
        connect(deadline, &QTimer::timeout, socket, [socket] {
            socket->abort();
            socket->deleteLater();
        });
        deadline->start(limits.deadlineMs);
        emit accepted(socket);
    }
}
