#pragma once

#include "focus/focussource.h"

#include <QDBusConnection>
#include <QDBusServiceWatcher>

class QDBusPendingCall;

// KDE Plasma 5 and 6: a KWin script, written into our data folder and loaded through KWin's
// scripting interface, calls WindowActivated1 on the session bus. KWin forgets its scripts when
// it restarts, so the source loads it again whenever org.kde.KWin comes back.
class KWinSource : public FocusSource {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "io.github.z4config.Switcher.KWin")
public:
    static constexpr const char* service = "io.github.z4config.Switcher";
    static constexpr const char* objectPath = "/KWin";
    static constexpr const char* pluginName = "z4switch-focus";

    // scriptFolder: where the script file goes (our data folder).
    explicit KWinSource(const QString& scriptFolder, QObject* parent = nullptr,
        QDBusConnection bus = QDBusConnection::sessionBus());
    ~KWinSource() override;
    QString name() const override { return QStringLiteral("kwin"); }
    bool start() override;
    QString why() const override { return why_; }
    QString scriptPath() const { return scriptPath_; }

    static QByteArray scriptText();

public slots:
    Q_SCRIPTABLE void WindowActivated1(const QString& resourceClass, const QString& resourceName,
        const QString& caption, const QString& pid);

signals:
    // The script runs in KWin (after each start of KWin).
    void scriptLoaded();

private:
    void loadScript();
    void loadFailed(const QString& what);
    void runScript(int id, int attempt);
    void onAsync(const QDBusPendingCall& call, std::function<void(const QDBusPendingCall&)> then);
    void warn(const QString& what);

    QDBusConnection bus_;
    QString scriptPath_;
    QString why_;
    QDBusServiceWatcher watcher_;
    bool registered_ = false;
    int loadAttempts_ = 0;
};
