#include "system/copydataserver.h"

#include "core/runtimefolder.h"

#include <QLocalSocket>
#include <QVariant>
#include <QtEndian>

#include <unistd.h>

namespace {
constexpr int headerBytes = 8;
constexpr const char* bufferProperty = "z4frame";
} // namespace

CopyDataServer::CopyDataServer(QObject* parent)
    : QObject(parent)
    // Bytes beyond one frame are never needed, so a sender cannot make the buffer grow.
    , server({ headerBytes + maxDataBytes, frameTimeoutMs, maxConnections })
{
    connect(&server, &GuardedLocalServer::accepted, this, &CopyDataServer::accept);
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
    return server.listen(name);
}

void CopyDataServer::accept(QLocalSocket* socket)
{
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] { read(socket); });
    read(socket);
}

void CopyDataServer::read(QLocalSocket* socket)
{
    // The partial frame travels with its socket, so a slow sender holds no state here.
    QByteArray frame = socket->property(bufferProperty).toByteArray();
    if (frame.size() < headerBytes)
        frame += socket->read(headerBytes - frame.size());
    if (frame.size() < headerBytes) {
        socket->setProperty(bufferProperty, frame);
        return;
    }
    const auto* header = reinterpret_cast<const uchar*>(frame.constData());
    const quint32 dwData = qFromLittleEndian<quint32>(header);
    const quint32 cbData = qFromLittleEndian<quint32>(header + 4);
    if (cbData > maxDataBytes) {
        socket->abort();
        return;
    }
    frame += socket->read(headerBytes + qint64(cbData) - frame.size());
    socket->setProperty(bufferProperty, frame);
    if (frame.size() < headerBytes + qsizetype(cbData))
        return;
    // The frame is taken: the sender is let go before anything is shown, and the receiver runs
    // from the event loop, so a box's nested loop never holds a socket that may go meanwhile.
    disconnect(socket, &QLocalSocket::readyRead, this, nullptr);
    socket->setProperty(bufferProperty, QVariant());
    socket->disconnectFromServer();
    const QByteArray data = frame.mid(headerBytes);
    QMetaObject::invokeMethod(
        this, [this, dwData, cbData, data] { emit received(dwData, cbData, data); }, Qt::QueuedConnection);
}
