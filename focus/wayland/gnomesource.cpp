#include "gnomesource.h"

#include "waylandinfo.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace {
const QString path = QStringLiteral("/io/github/z4config/Focus");
const QString iface = QStringLiteral("io.github.z4config.Focus1");
} // namespace

GnomeSource::GnomeSource(QObject* parent, QDBusConnection bus, QString shellService)
    : FocusSource(parent)
    , bus_(bus)
    , shell_(std::move(shellService))
    , watcher_(shell_, bus, QDBusServiceWatcher::WatchForRegistration)
{
    // A restarted shell (X11 session, or the next login) reports afresh.
    connect(&watcher_, &QDBusServiceWatcher::serviceRegistered, this, &GnomeSource::query);
}

QString GnomeSource::extensionNeeded()
{
    return tr("Native Wayland windows need the GNOME Shell extension; enable it with: "
              "gnome-extensions enable %1 (then log out and in again)")
        .arg(QLatin1String(extensionUuid));
}

bool GnomeSource::start()
{
    if (!bus_.isConnected() || !bus_.interface()->isServiceRegistered(shell_)) {
        why_ = tr("GNOME Shell is not running");
        return false;
    }
    // One bounded question: is the extension there? Later news comes only by signal.
    QDBusMessage get = QDBusMessage::createMethodCall(shell_, path, iface, QStringLiteral("Get"));
    const QDBusMessage reply = bus_.call(get, QDBus::Block, 1000);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().size() != 4) {
        why_ = extensionNeeded();
        return false;
    }
    bus_.connect(shell_, path, iface, QStringLiteral("FocusChanged"), this,
        SLOT(onFocusChanged(QString, QString, QString, uint)));
    const QVariantList a = reply.arguments();
    QMetaObject::invokeMethod(this, "onFocusChanged", Qt::QueuedConnection, Q_ARG(QString, a[0].toString()),
        Q_ARG(QString, a[1].toString()), Q_ARG(QString, a[2].toString()), Q_ARG(uint, a[3].toUInt()));
    return true;
}

void GnomeSource::query()
{
    auto* w = new QDBusPendingCallWatcher(
        bus_.asyncCall(QDBusMessage::createMethodCall(shell_, path, iface, QStringLiteral("Get"))), this);
    connect(w, &QDBusPendingCallWatcher::finished, this, [this, w] {
        const QDBusPendingReply<QString, QString, QString, uint> r(*w);
        if (!r.isError())
            onFocusChanged(r.argumentAt<0>(), r.argumentAt<1>(), r.argumentAt<2>(), r.argumentAt<3>());
        w->deleteLater();
    });
}

void GnomeSource::onFocusChanged(const QString& wmClass, const QString& appId, const QString& title, uint pid)
{
    FocusInfo info;
    // The shell's class is the app_id of a native window and WM_CLASS of an X11 one, as rules
    // expect; the shell's own application id only stands in when a window has no class.
    info.appId = wmClass.isEmpty() ? appId : wmClass;
    info.title = title;
    info.pid = pid;
    info.source = name();
    fillSteamAppId(info);
    emit focusChanged(info);
}
