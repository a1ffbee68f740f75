#include "hyprlandsource.h"

#include "waylandinfo.h"

#include <QDir>

namespace {
// No event line comes near this; a longer one is cut off rather than kept growing.
constexpr qsizetype maxLine = 64 * 1024;

QString defaultPath()
{
    const QString sig = qEnvironmentVariable("HYPRLAND_INSTANCE_SIGNATURE");
    if (sig.isEmpty())
        return {};
    return QDir(qEnvironmentVariable("XDG_RUNTIME_DIR"))
        .filePath(QStringLiteral("hypr/%1/.socket2.sock").arg(sig));
}
} // namespace

bool parseHyprlandEvent(const QByteArray& line, FocusInfo& out)
{
    static const QByteArray tag("activewindow>>");
    if (!line.startsWith(tag))
        return false;
    const QByteArray rest = line.mid(tag.size());
    const qsizetype comma = rest.indexOf(',');
    out = FocusInfo {};
    out.appId = QString::fromUtf8(comma < 0 ? rest : rest.left(comma));
    out.title = comma < 0 ? QString() : QString::fromUtf8(rest.mid(comma + 1));
    out.source = QStringLiteral("hyprland");
    fillSteamAppId(out);
    return true;
}

HyprlandSource::HyprlandSource(QObject* parent, QString socketPath)
    : FocusSource(parent)
    , path_(socketPath.isEmpty() ? defaultPath() : socketPath)
    , socket_(this)
    , retryTimer_(this)
{
    retryTimer_.setSingleShot(true);
    connect(&retryTimer_, &QTimer::timeout, this, [this] { socket_.connectToServer(path_); });
    connect(&socket_, &QLocalSocket::readyRead, this, &HyprlandSource::readLines);
    connect(&socket_, &QLocalSocket::connected, this, [this] { retries_ = 0; });
    connect(&socket_, &QLocalSocket::disconnected, this, &HyprlandSource::retry);
    connect(&socket_, &QLocalSocket::errorOccurred, this, [this] {
        if (socket_.state() == QLocalSocket::UnconnectedState)
            retry();
    });
}

bool HyprlandSource::start()
{
    if (path_.isEmpty()) {
        why_ = tr("not a Hyprland session (HYPRLAND_INSTANCE_SIGNATURE is not set)");
        return false;
    }
    socket_.connectToServer(path_);
    if (!socket_.waitForConnected(1000)) {
        why_ = tr("cannot reach Hyprland at %1: %2").arg(path_, socket_.errorString());
        return false;
    }
    return true;
}

void HyprlandSource::readLines()
{
    buf_ += socket_.readAll();
    qsizetype nl;
    while ((nl = buf_.indexOf('\n')) >= 0) {
        FocusInfo info;
        if (parseHyprlandEvent(buf_.left(nl), info))
            emit focusChanged(info);
        buf_.remove(0, nl + 1);
    }
    if (buf_.size() > maxLine)
        buf_.clear();
}

void HyprlandSource::retry()
{
    if (retryTimer_.isActive() || !why_.isEmpty())
        return;
    buf_.clear();
    if (retries_ >= maxRetries) {
        why_ = tr("Hyprland's event socket is gone");
        emit lost(why_);
        return;
    }
    retryTimer_.start(firstRetryMs << retries_++);
}
