#pragma once

#include "focus/focussource.h"

#include <QDBusConnection>
#include <QDBusServiceWatcher>

// GNOME Shell through our small shell extension: its FocusChanged signal and Get method on
// org.gnome.Shell. Without the extension GNOME tells nothing about native Wayland windows.
class GnomeSource : public FocusSource {
    Q_OBJECT
public:
    static constexpr const char* extensionUuid = "z4switch-focus@z4config.github.io";

    explicit GnomeSource(QObject* parent = nullptr, QDBusConnection bus = QDBusConnection::sessionBus(),
        QString shellService = QStringLiteral("org.gnome.Shell"));
    QString name() const override { return QStringLiteral("gnome"); }
    bool start() override;
    QString why() const override { return why_; }

    // The notice for a GNOME session without the extension, with the command that enables it.
    static QString extensionNeeded();

private slots:
    void onFocusChanged(const QString& wmClass, const QString& appId, const QString& title, uint pid);

private:
    void query();

    QDBusConnection bus_;
    QString shell_;
    QString why_;
    QDBusServiceWatcher watcher_;
};
