#include "app/windowsight.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWindow>

WindowSight::WindowSight(QWindow* window)
    : QObject(window)
    , window(window)
{
    window->installEventFilter(this);
    // A window's state changes without an event when the window system is asked for them.
    connect(window, &QWindow::windowStateChanged, this, &WindowSight::recheck);
    connect(window, &QWindow::visibleChanged, this, &WindowSight::recheck);
    QCoreApplication::instance()->installNativeEventFilter(this);
    recheck();
}

WindowSight::~WindowSight()
{
    QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool WindowSight::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == window) {
        const QEvent::Type type = event->type();
        // The native window exists once it is shown for the first time.
        if (type == QEvent::Show && !watchingCover)
            watchingCover = watchCovering(window);
        if (type == QEvent::Show || type == QEvent::Hide || type == QEvent::WindowStateChange)
            recheck();
    }
    return false;
}

bool WindowSight::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*)
{
    const int report = watchingCover ? coveringReport(eventType, message, window) : -1;
    if (report >= 0) {
        covered = report == 1;
        recheck();
    }
    return false;
}

void WindowSight::recheck()
{
    const bool now = window->isVisible() && !(window->windowStates() & Qt::WindowMinimized) && !covered;
    if (now != isSeen) {
        isSeen = now;
        emit seenChanged();
    }
}
