#include "kwinsource.h"

#include "kwinscript.h"
#include "waylandinfo.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDebug>
#include <QDir>
#include <QSaveFile>
#include <QTimer>

namespace {
const QString kwinService = QStringLiteral("org.kde.KWin");
const QString scriptingPath = QStringLiteral("/Scripting");
const QString scriptingIface = QStringLiteral("org.kde.kwin.Scripting");

QDBusMessage scripting(const QString& method, const QVariantList& args = {})
{
    QDBusMessage m = QDBusMessage::createMethodCall(kwinService, scriptingPath, scriptingIface, method);
    m.setArguments(args);
    return m;
}

// Where a loaded script's object lives: Plasma 6, then Plasma 5.
QString scriptObject(int id, int attempt)
{
    return attempt == 0 ? QStringLiteral("/Scripting/Script%1").arg(id) : QStringLiteral("/%1").arg(id);
}
} // namespace

QByteArray KWinSource::scriptText()
{
    return QByteArray(kwinFocusScript);
}

KWinSource::KWinSource(const QString& scriptFolder, QObject* parent, QDBusConnection bus)
    : FocusSource(parent)
    , bus_(bus)
    , scriptPath_(QDir(scriptFolder).filePath(QStringLiteral("z4switch-focus.js")))
    , watcher_(kwinService, bus, QDBusServiceWatcher::WatchForRegistration)
{
    connect(&watcher_, &QDBusServiceWatcher::serviceRegistered, this, [this] {
        loadAttempts_ = 0;
        loadScript();
    });
}

KWinSource::~KWinSource()
{
    if (!registered_)
        return;
    // Fire and forget: the script's calls would only fail once we are gone.
    bus_.asyncCall(scripting(QStringLiteral("unloadScript"), { QString::fromLatin1(pluginName) }));
    bus_.unregisterObject(QString::fromLatin1(objectPath));
    bus_.unregisterService(QString::fromLatin1(service));
}

bool KWinSource::start()
{
    if (!bus_.isConnected()) {
        why_ = tr("no D-Bus session bus");
        return false;
    }
    if (!bus_.interface()->isServiceRegistered(kwinService)) {
        why_ = tr("KWin is not running");
        return false;
    }
    QDir().mkpath(QFileInfo(scriptPath_).absolutePath());
    QSaveFile file(scriptPath_);
    if (!file.open(QIODevice::WriteOnly) || file.write(scriptText()) < 0 || !file.commit()) {
        why_ = tr("cannot write the KWin script %1: %2").arg(scriptPath_, file.errorString());
        return false;
    }
    if (!bus_.registerObject(QString::fromLatin1(objectPath), this, QDBusConnection::ExportScriptableSlots)
        || !bus_.registerService(QString::fromLatin1(service))) {
        why_ = tr("another switcher holds %1 on the session bus").arg(QString::fromLatin1(service));
        bus_.unregisterObject(QString::fromLatin1(objectPath));
        return false;
    }
    registered_ = true;
    loadScript();
    return true;
}

void KWinSource::WindowActivated1(
    const QString& resourceClass, const QString& resourceName, const QString& caption, const QString& pid)
{
    FocusInfo info;
    info.appId = resourceClass;
    info.instance = resourceName;
    info.title = caption;
    info.pid = pid.toLongLong();
    info.source = name();
    fillSteamAppId(info);
    emit focusChanged(info);
}

// An earlier script (from an older z4switch, or ours before KWin reloaded) goes first.
void KWinSource::loadScript()
{
    const QString plugin = QString::fromLatin1(pluginName);
    onAsync(bus_.asyncCall(scripting(QStringLiteral("isScriptLoaded"), { plugin })), [this, plugin](auto& r) {
        const QDBusPendingReply<bool> loaded(r);
        if (loaded.isError())
            return loadFailed(tr("KWin's scripting does not answer: %1").arg(loaded.error().message()));
        const auto load = [this, plugin] {
            onAsync(bus_.asyncCall(scripting(QStringLiteral("loadScript"), { scriptPath_, plugin })),
                [this](auto& r) {
                    const QDBusPendingReply<int> id(r);
                    if (id.isError() || id.value() < 0)
                        loadFailed(tr("KWin did not load %1: %2").arg(scriptPath_, id.error().message()));
                    else
                        runScript(id.value(), 0);
                });
        };
        if (!loaded.value())
            return load();
        onAsync(
            bus_.asyncCall(scripting(QStringLiteral("unloadScript"), { plugin })), [load](auto&) { load(); });
    });
}

// A KWin that has just taken its bus name may not have its scripting object yet: a few more
// tries, half a second apart.
void KWinSource::loadFailed(const QString& what)
{
    if (++loadAttempts_ < 10)
        QTimer::singleShot(500, this, &KWinSource::loadScript);
    else
        warn(what);
}

void KWinSource::runScript(int id, int attempt)
{
    QDBusMessage run = attempt < 2 ? QDBusMessage::createMethodCall(kwinService, scriptObject(id, attempt),
                           QStringLiteral("org.kde.kwin.Script"), QStringLiteral("run"))
                                   : scripting(QStringLiteral("start"));
    onAsync(bus_.asyncCall(run), [this, id, attempt](const QDBusPendingCall& r) {
        if (!r.isError()) {
            loadAttempts_ = 0;
            emit scriptLoaded();
        } else if (attempt < 2)
            runScript(id, attempt + 1);
        else
            warn(tr("KWin did not run the script: %1").arg(r.error().message()));
    });
}

void KWinSource::onAsync(const QDBusPendingCall& call, std::function<void(const QDBusPendingCall&)> then)
{
    auto* w = new QDBusPendingCallWatcher(call, this);
    connect(w, &QDBusPendingCallWatcher::finished, this, [w, then = std::move(then)] {
        then(*w);
        w->deleteLater();
    });
}

void KWinSource::warn(const QString& what)
{
    why_ = what;
    qWarning().noquote() << "z4switch:" << what;
}
