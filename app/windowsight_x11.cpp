#include "app/windowsight.h"

#include <QGuiApplication>
#include <QWidget>

#include <X11/Xlib.h>
#include <xcb/xcb.h>

// Adds visibility reports to what the toolkit already asked for on the program's X window.
bool watchCovering(QWidget* window)
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->display())
        return false;
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(x11->display(), Window(window->winId()), &attributes))
        return false;
    XSelectInput(x11->display(), Window(window->winId()), attributes.your_event_mask | VisibilityChangeMask);
    XFlush(x11->display());
    return true;
}

int coveringReport(const QByteArray& eventType, void* message, QWidget* window)
{
    if (eventType != "xcb_generic_event_t")
        return -1;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7F) != XCB_VISIBILITY_NOTIFY)
        return -1;
    const auto* visibility = static_cast<const xcb_visibility_notify_event_t*>(message);
    if (visibility->window != xcb_window_t(window->winId()))
        return -1;
    return visibility->state == XCB_VISIBILITY_FULLY_OBSCURED ? 1 : 0;
}
