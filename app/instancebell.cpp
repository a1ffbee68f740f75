#include "app/instancebell.h"

#include <QFileInfo>
#include <QLocalSocket>

InstanceBell::InstanceBell(QObject* parent)
    : QObject(parent)
{
    server.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server.nextPendingConnection()) {
            socket->disconnectFromServer();
            socket->deleteLater();
            emit rung();
        }
    });
}

QString InstanceBell::socketFor(const QString& lockPath)
{
    if (lockPath.isEmpty())
        return QString();
#ifdef Q_OS_WIN
    // A pipe name, which takes no backslash.
    return QFileInfo(lockPath).fileName() + QStringLiteral(".bell");
#else
    return lockPath + QStringLiteral(".bell");
#endif
}

bool InstanceBell::listen(const QString& name)
{
    if (name.isEmpty())
        return false;
    QLocalServer::removeServer(name);
    return server.listen(name);
}

bool InstanceBell::ring(const QString& name, int timeoutMs)
{
    if (name.isEmpty())
        return false;
    QLocalSocket socket;
    socket.connectToServer(name);
    return socket.waitForConnected(timeoutMs);
}
