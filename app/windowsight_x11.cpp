#include "app/windowsight.h"

#include <QGuiApplication>
#include <QRegion>
#include <QWindow>

#include <X11/Xlib.h>
#include <xcb/xcb.h>

// The X server's own visibility reports say nothing for a see-through window (it is drawn
// off-screen and composited), so covering is worked out from the stacking of the top-level
// windows whenever one of them is mapped, unmapped, moved or restacked.
namespace {
Display* display()
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->display() : nullptr;
}

// The child of the root window that holds ours: the frame a window manager put round it, or
// our window itself.
Window topLevelOf(Display* d, Window w)
{
    for (;;) {
        Window root = 0, parent = 0, *children = nullptr;
        unsigned count = 0;
        if (!XQueryTree(d, w, &root, &parent, &children, &count))
            return 0;
        if (children)
            XFree(children);
        if (parent == root || parent == 0)
            return w;
        w = parent;
    }
}

// A window that shows something on the screen, as a rectangle; empty otherwise (a vanished
// window is an error the toolkit ignores, and reads as empty too).
QRect shownArea(Display* d, Window w)
{
    XWindowAttributes a;
    if (!XGetWindowAttributes(d, w, &a) || a.map_state != IsViewable || a.c_class != InputOutput)
        return {};
    return QRect(a.x, a.y, a.width + 2 * a.border_width, a.height + 2 * a.border_width);
}

bool whollyCovered(Display* d, Window ours)
{
    const Window top = topLevelOf(d, ours);
    Window root = 0, parent = 0, *children = nullptr;
    unsigned count = 0;
    if (!top || !XQueryTree(d, DefaultRootWindow(d), &root, &parent, &children, &count))
        return false;
    QRect own;
    QRegion left;
    // Children come bottom first: every shown window after ours lies above it.
    for (unsigned i = 0; i < count; ++i) {
        if (children[i] == top)
            left = own = shownArea(d, top);
        else if (!left.isEmpty())
            left -= shownArea(d, children[i]);
    }
    if (children)
        XFree(children);
    return !own.isEmpty() && left.isEmpty();
}
} // namespace

bool watchCovering(QWindow* window)
{
    Display* d = display();
    XWindowAttributes attributes;
    if (!d || !window->winId() || !XGetWindowAttributes(d, DefaultRootWindow(d), &attributes))
        return false;
    // Added to what the toolkit already asked for on the root window.
    XSelectInput(d, DefaultRootWindow(d), attributes.your_event_mask | SubstructureNotifyMask);
    XFlush(d);
    return true;
}

int coveringReport(const QByteArray& eventType, void* message, QWindow* window)
{
    if (eventType != "xcb_generic_event_t")
        return -1;
    switch (static_cast<const xcb_generic_event_t*>(message)->response_type & 0x7F) {
    case XCB_CONFIGURE_NOTIFY:
    case XCB_MAP_NOTIFY:
    case XCB_UNMAP_NOTIFY:
    case XCB_DESTROY_NOTIFY:
    case XCB_CIRCULATE_NOTIFY:
        break;
    default:
        return -1;
    }
    Display* d = display();
    return d ? int(whollyCovered(d, Window(window->winId()))) : -1;
}
