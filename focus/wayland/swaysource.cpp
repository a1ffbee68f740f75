#include "swaysource.h"

#include "waylandinfo.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtEndian>

#include <cstring>

namespace i3ipc {
namespace {
constexpr char magic[] = "i3-ipc";
constexpr int magicLen = 6;
constexpr int headerLen = magicLen + 8;
// A whole tree of a large session is well under this; more means a broken stream.
constexpr quint32 maxPayload = 64u << 20;

FocusInfo fromContainer(const QJsonObject& c)
{
    FocusInfo info;
    const QJsonObject x11 = c.value(QLatin1String("window_properties")).toObject();
    info.appId = c.value(QLatin1String("app_id")).toString();
    if (info.appId.isEmpty()) {
        info.appId = x11.value(QLatin1String("class")).toString();
        info.instance = x11.value(QLatin1String("instance")).toString();
    }
    info.title = c.value(QLatin1String("name")).toString();
    info.pid = c.value(QLatin1String("pid")).toVariant().toLongLong();
    info.source = QStringLiteral("sway");
    fillSteamAppId(info);
    return info;
}

bool isWindow(const QJsonObject& c)
{
    return c.contains(QLatin1String("app_id")) || c.contains(QLatin1String("window_properties"));
}

bool findFocused(const QJsonObject& node, int depth, FocusInfo& out)
{
    if (depth > 64)
        return false;
    if (node.value(QLatin1String("focused")).toBool() && isWindow(node)) {
        out = fromContainer(node);
        return true;
    }
    for (const char* key : { "nodes", "floating_nodes" }) {
        for (const QJsonValue& child : node.value(QLatin1String(key)).toArray()) {
            if (findFocused(child.toObject(), depth + 1, out))
                return true;
        }
    }
    return false;
}
} // namespace

QByteArray frame(quint32 type, const QByteArray& payload)
{
    QByteArray out(magic, magicLen);
    const quint32 head[2] = { quint32(payload.size()), type };
    out.append(reinterpret_cast<const char*>(head), sizeof head);
    return out + payload;
}

Take take(QByteArray& buf, Message& out)
{
    if (buf.size() < headerLen)
        return std::memcmp(buf.constData(), magic, size_t(qMin<qsizetype>(buf.size(), magicLen))) == 0
            ? Take::NeedMore
            : Take::Broken;
    if (std::memcmp(buf.constData(), magic, magicLen) != 0)
        return Take::Broken;
    quint32 head[2];
    std::memcpy(head, buf.constData() + magicLen, sizeof head);
    if (head[0] > maxPayload)
        return Take::Broken;
    if (buf.size() < headerLen + qsizetype(head[0]))
        return Take::NeedMore;
    out.type = head[1];
    out.payload = buf.mid(headerLen, head[0]);
    buf.remove(0, headerLen + head[0]);
    return Take::Message;
}

bool focusFromWindowEvent(const QByteArray& json, FocusInfo& out)
{
    const QJsonObject event = QJsonDocument::fromJson(json).object();
    const QString change = event.value(QLatin1String("change")).toString();
    const QJsonObject c = event.value(QLatin1String("container")).toObject();
    if (change == QLatin1String("focus") && isWindow(c)) {
        out = fromContainer(c);
        return true;
    }
    // The focused window's own title changes count too (a launcher that becomes the game).
    if (change == QLatin1String("title") && c.value(QLatin1String("focused")).toBool()) {
        out = fromContainer(c);
        return true;
    }
    if (change == QLatin1String("close") && c.value(QLatin1String("focused")).toBool()) {
        out = FocusInfo {};
        out.source = QStringLiteral("sway");
        return true;
    }
    return false;
}

bool focusFromTree(const QByteArray& json, FocusInfo& out)
{
    return findFocused(QJsonDocument::fromJson(json).object(), 0, out);
}
} // namespace i3ipc

SwaySource::SwaySource(QObject* parent, QString socketPath)
    : FocusSource(parent)
    , path_(socketPath.isEmpty() ? qEnvironmentVariable("SWAYSOCK") : socketPath)
    , socket_(this)
{
    connect(&socket_, &QLocalSocket::readyRead, this, &SwaySource::readMessages);
    connect(&socket_, &QLocalSocket::disconnected, this, [this] { fail(tr("sway closed its IPC socket")); });
}

bool SwaySource::start()
{
    if (path_.isEmpty()) {
        why_ = tr("not a sway session (SWAYSOCK is not set)");
        return false;
    }
    socket_.connectToServer(path_);
    // A local socket connects at once or not at all; the deadline only guards a stuck compositor.
    if (!socket_.waitForConnected(1000)) {
        why_ = tr("cannot reach sway at %1: %2").arg(path_, socket_.errorString());
        return false;
    }
    socket_.write(i3ipc::frame(i3ipc::Subscribe, R"(["window"])"));
    socket_.write(i3ipc::frame(i3ipc::GetTree, {}));
    return true;
}

void SwaySource::readMessages()
{
    buf_ += socket_.readAll();
    i3ipc::Message m;
    for (;;) {
        switch (i3ipc::take(buf_, m)) {
        case i3ipc::Take::NeedMore:
            return;
        case i3ipc::Take::Broken:
            fail(tr("sway sent something that is not IPC"));
            return;
        case i3ipc::Take::Message:
            handle(m);
            if (!why_.isEmpty())
                return;
            break;
        }
    }
}

void SwaySource::handle(const i3ipc::Message& m)
{
    FocusInfo info;
    if (m.type == i3ipc::Subscribe) {
        if (!QJsonDocument::fromJson(m.payload).object().value(QLatin1String("success")).toBool())
            fail(tr("sway refused the window subscription"));
    } else if (m.type == i3ipc::GetTree) {
        if (i3ipc::focusFromTree(m.payload, info))
            emit focusChanged(info);
    } else if (m.type == i3ipc::WindowEvent && i3ipc::focusFromWindowEvent(m.payload, info)) {
        emit focusChanged(info);
    }
}

void SwaySource::fail(const QString& reason)
{
    if (!why_.isEmpty())
        return;
    why_ = reason;
    socket_.disconnect(this);
    socket_.abort();
    emit lost(reason);
}
