#pragma once

#include "focus/focussource.h"

#include <QByteArray>
#include <QLocalSocket>

// sway's IPC: i3-ipc frames ("i3-ipc", length and type in host byte order, JSON payload).
namespace i3ipc {
enum : quint32 { Subscribe = 2, GetTree = 4, WindowEvent = 0x80000003 };
QByteArray frame(quint32 type, const QByteArray& payload);

struct Message {
    quint32 type = 0;
    QByteArray payload;
};
enum class Take { Message, NeedMore, Broken };
// Takes one whole message off the front of buf. Broken: not an IPC stream or an absurd length.
Take take(QByteArray& buf, Message& out);

// From one window event: whether it tells what is in front now, and what.
bool focusFromWindowEvent(const QByteArray& json, FocusInfo& out);
// The focused window in a GET_TREE reply; false when nothing is focused or the reply is bad.
bool focusFromTree(const QByteArray& json, FocusInfo& out);
} // namespace i3ipc

class SwaySource : public FocusSource {
    Q_OBJECT
public:
    explicit SwaySource(QObject* parent = nullptr, QString socketPath = {});
    // The socket's last signals must not reach a half-destroyed source.
    ~SwaySource() override { socket_.disconnect(this); }
    QString name() const override { return QStringLiteral("sway"); }
    bool start() override;
    QString why() const override { return why_; }

private:
    void readMessages();
    void handle(const i3ipc::Message& m);
    void fail(const QString& reason);

    QString path_;
    QString why_;
    QLocalSocket socket_;
    QByteArray buf_;
};
