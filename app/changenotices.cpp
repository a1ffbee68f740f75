#include "app/changenotices.h"

#include <QLocalSocket>

ChangeNotices::ChangeNotices(QObject* parent)
    : QObject(parent)
    , server(kLimits)
{
    connect(&server, &GuardedLocalServer::accepted, this, [this](QLocalSocket* socket) {
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { take(socket); });
        take(socket);
    });
}

void ChangeNotices::take(QLocalSocket* socket)
{
    const bool notice = socket->canReadLine();
    // A full buffer without a line end is no notice; Qt would read no more of it anyway.
    if (!notice && socket->bytesAvailable() < kLimits.bufferBytes)
        return;
    socket->disconnect(this);
    socket->abort();
    socket->deleteLater();
    if (notice)
        emit changed();
}
