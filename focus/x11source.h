#pragma once

#include "focus/focussource.h"

#include <QByteArray>
#include <QHash>

struct xcb_connection_t;
class QSocketNotifier;

// The window in front on an X server, as the window manager announces it in the root window's
// _NET_ACTIVE_WINDOW. Listens for property changes only: of the root window, and of the active
// window (its title, class and STEAM_GAME), on a connection of its own.
class X11Source : public FocusSource {
    Q_OBJECT
public:
    explicit X11Source(QObject* parent = nullptr);
    ~X11Source() override;

    QString name() const override { return QStringLiteral("x11"); }
    bool start() override;
    QString why() const override { return failure; }

    // What the window `window` tells about itself; none() for a shell surface (desktop, panel,
    // notification) and for a window without WM_CLASS whose transient parents have none either.
    FocusInfo describe(quint32 window);

private:
    void drain();
    void activeChanged();
    void watch(quint32 window, bool on);
    QByteArray property(quint32 window, quint32 atom, quint32 type, int maxBytes = 4096);
    quint32 cardinal(quint32 window, quint32 atom);
    bool isShell(quint32 window);
    void report();

    xcb_connection_t* connection = nullptr;
    quint32 root = 0;
    quint32 active = 0;
    QHash<QByteArray, quint32> atoms;
    QSocketNotifier* notifier = nullptr;
    FocusInfo lastReported;
    bool reported = false;
    QString failure;
};
