#include "system/copydataserver.h"

#include "system/runtimefolder.h"

#include <QLocalSocket>
#include <QTimer>
#include <QVariant>
#include <QtEndian>

#include <unistd.h>

namespace {
constexpr int headerBytes = 8;
constexpr const char* bufferProperty = "z4frame";
} // namespace

CopyDataServer::CopyDataServer(QObject* parent)
    : QObject(parent)
{
    server.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server, &QLocalServer::newConnection, this, &CopyDataServer::accept);
}

CopyDataServer::~CopyDataServer() = default;

QString CopyDataServer::defaultName()
{
    // Not the shared temporary folder, where another user could take the name first.
    const QString folder = runtimefolder::path();
    return folder.isEmpty() ? QString() : folder + QStringLiteral("/z4config-copydata-%1").arg(getuid());
}

bool CopyDataServer::listen(const QString& name)
{
    if (name.isEmpty())
        return false;
    QLocalServer::removeServer(name);
    return server.listen(name);
}

void CopyDataServer::accept()
{
    while (QLocalSocket* socket = server.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { read(socket); });
        auto* timeout = new QTimer(socket);
        timeout->setSingleShot(true);
        connect(timeout, &QTimer::timeout, socket, &QLocalSocket::abort);
        timeout->start(frameTimeoutMs);
        read(socket);
    }
}

void CopyDataServer::read(QLocalSocket* socket)
{
    // The partial frame travels with its socket, so a slow sender holds no state here.
    QByteArray frame = socket->property(bufferProperty).toByteArray() + socket->readAll();
    socket->setProperty(bufferProperty, frame);
    if (frame.size() < headerBytes)
        return;
    const auto* header = reinterpret_cast<const uchar*>(frame.constData());
    const quint32 dwData = qFromLittleEndian<quint32>(header);
    const quint32 cbData = qFromLittleEndian<quint32>(header + 4);
    if (cbData > maxDataBytes) {
        socket->abort();
        return;
    }
    if (quint64(frame.size()) < headerBytes + quint64(cbData))
        return;
    disconnect(socket, &QLocalSocket::readyRead, this, nullptr);
    // The receiver may keep the sender waiting (a modal box), which is no timeout.
    qDeleteAll(socket->findChildren<QTimer*>());
    emit received(dwData, cbData, frame.mid(headerBytes, cbData));
    socket->disconnectFromServer();
}
