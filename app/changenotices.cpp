#include "app/changenotices.h"

#include <QLocalSocket>

ChangeNotices::ChangeNotices(QObject* parent)
    : QObject(parent)
{
    server.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server.nextPendingConnection()) {
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (!socket->canReadLine())
                    return;
                socket->disconnect(this);
                socket->deleteLater();
                emit changed();
            });
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
}

bool ChangeNotices::listen(const QString& name)
{
    if (name.isEmpty())
        return false;
    QLocalServer::removeServer(name);
    return server.listen(name);
}
