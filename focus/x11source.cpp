#include "focus/x11source.h"

#include <QSocketNotifier>

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

namespace {
constexpr int kTransientDepth = 4; // a dialog of a dialog of ... of the application
const char* const kAtomNames[] = { "_NET_ACTIVE_WINDOW", "_NET_WM_NAME", "UTF8_STRING", "_NET_WM_PID",
    "STEAM_GAME", "_NET_WM_WINDOW_TYPE", "_NET_WM_WINDOW_TYPE_DESKTOP", "_NET_WM_WINDOW_TYPE_DOCK",
    "_NET_WM_WINDOW_TYPE_NOTIFICATION" };

struct FreeDeleter {
    void operator()(void* p) const { std::free(p); }
};
template <typename T> using Reply = std::unique_ptr<T, FreeDeleter>;
} // namespace

X11Source::X11Source(QObject* parent)
    : FocusSource(parent)
{
}

X11Source::~X11Source()
{
    delete notifier;
    if (connection)
        xcb_disconnect(connection);
}

bool X11Source::start()
{
    int screenNumber = 0;
    connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection)) {
        failure = QStringLiteral("cannot connect to the X server %1").arg(qEnvironmentVariable("DISPLAY"));
        xcb_disconnect(connection);
        connection = nullptr;
        return false;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < screenNumber && screens.rem > 0; ++i)
        xcb_screen_next(&screens);
    root = screens.data->root;

    QList<xcb_intern_atom_cookie_t> cookies;
    for (const char* atomName : kAtomNames)
        cookies << xcb_intern_atom(connection, 0, uint16_t(qstrlen(atomName)), atomName);
    for (int i = 0; i < cookies.size(); ++i) {
        Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(connection, cookies.at(i), nullptr));
        atoms.insert(kAtomNames[i], reply ? reply->atom : quint32(XCB_ATOM_NONE));
    }
    watch(root, true);
    xcb_flush(connection);
    notifier = new QSocketNotifier(xcb_get_file_descriptor(connection), QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &X11Source::drain);
    // The window already in front, once the caller has connected to the signals.
    QMetaObject::invokeMethod(this, &X11Source::activeChanged, Qt::QueuedConnection);
    return true;
}

void X11Source::watch(quint32 window, bool on)
{
    const uint32_t mask = on ? XCB_EVENT_MASK_PROPERTY_CHANGE : XCB_EVENT_MASK_NO_EVENT;
    // A window that is gone already answers with an error event, which drain() skips.
    xcb_change_window_attributes(connection, window, XCB_CW_EVENT_MASK, &mask);
}

// Replies to our own requests may queue events behind the notifier's back, so the loop runs
// until the queue is empty, not once per wake-up.
void X11Source::drain()
{
    while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) {
        std::unique_ptr<xcb_generic_event_t, FreeDeleter> owned(event);
        if ((event->response_type & 0x7F) != XCB_PROPERTY_NOTIFY)
            continue;
        const auto* change = reinterpret_cast<xcb_property_notify_event_t*>(event);
        if (change->window == root && change->atom == atoms.value("_NET_ACTIVE_WINDOW"))
            activeChanged();
        else if (change->window == active && active != root
            && (change->atom == XCB_ATOM_WM_NAME || change->atom == XCB_ATOM_WM_CLASS
                || change->atom == atoms.value("_NET_WM_NAME") || change->atom == atoms.value("STEAM_GAME")))
            report();
    }
    if (xcb_connection_has_error(connection)) {
        notifier->setEnabled(false);
        emit lost(QStringLiteral("the X server closed the connection"));
    }
}

void X11Source::activeChanged()
{
    const QByteArray value = property(root, atoms.value("_NET_ACTIVE_WINDOW"), XCB_ATOM_WINDOW);
    const quint32 now = value.size() >= 4 ? *reinterpret_cast<const quint32*>(value.constData()) : 0;
    if (now != active) {
        if (active && active != root)
            watch(active, false);
        active = now;
        if (active && active != root)
            watch(active, true);
        xcb_flush(connection);
    }
    report();
}

void X11Source::report()
{
    FocusInfo info = active && active != root ? describe(active) : FocusInfo {};
    info.source = name();
    const FocusInfo& last = lastReported;
    if (reported && info.appId == last.appId && info.instance == last.instance && info.title == last.title
        && info.pid == last.pid && info.steamAppId == last.steamAppId)
        return;
    lastReported = info;
    reported = true;
    emit focusChanged(info);
}

QByteArray X11Source::property(quint32 window, quint32 atom, quint32 type, int maxBytes)
{
    if (atom == XCB_ATOM_NONE)
        return {};
    const xcb_get_property_cookie_t cookie
        = xcb_get_property(connection, 0, window, atom, type, 0, uint32_t(maxBytes / 4));
    Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(connection, cookie, nullptr));
    if (!reply || reply->type == XCB_ATOM_NONE)
        return {};
    return QByteArray(static_cast<const char*>(xcb_get_property_value(reply.get())),
        xcb_get_property_value_length(reply.get()));
}

quint32 X11Source::cardinal(quint32 window, quint32 atom)
{
    const QByteArray value = property(window, atom, XCB_ATOM_CARDINAL, 4);
    return value.size() >= 4 ? *reinterpret_cast<const quint32*>(value.constData()) : 0;
}

bool X11Source::isShell(quint32 window)
{
    const QByteArray types = property(window, atoms.value("_NET_WM_WINDOW_TYPE"), XCB_ATOM_ATOM, 64);
    for (qsizetype at = 0; at + 4 <= types.size(); at += 4) {
        const quint32 type = *reinterpret_cast<const quint32*>(types.constData() + at);
        for (const char* shell :
            { "_NET_WM_WINDOW_TYPE_DESKTOP", "_NET_WM_WINDOW_TYPE_DOCK", "_NET_WM_WINDOW_TYPE_NOTIFICATION" })
            if (type == atoms.value(shell))
                return true;
    }
    return false;
}

FocusInfo X11Source::describe(quint32 window)
{
    FocusInfo info;
    if (isShell(window))
        return info;
    QByteArray wmClass = property(window, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING);
    quint32 owner = window;
    // A window without a class (some dialogs) belongs to its transient parent, or to nobody.
    for (int depth = 0; wmClass.isEmpty() && depth < kTransientDepth; ++depth) {
        const QByteArray parent = property(owner, XCB_ATOM_WM_TRANSIENT_FOR, XCB_ATOM_WINDOW, 4);
        if (parent.size() < 4)
            break;
        owner = *reinterpret_cast<const quint32*>(parent.constData());
        if (owner == 0 || owner == root)
            break;
        wmClass = property(owner, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING);
    }
    const QList<QByteArray> parts = wmClass.split('\0');
    info.instance = QString::fromLocal8Bit(parts.value(0));
    info.appId = QString::fromLocal8Bit(parts.value(1));
    if (info.appId.isEmpty() && info.instance.isEmpty())
        return info;
    info.title = QString::fromUtf8(property(window, atoms.value("_NET_WM_NAME"), atoms.value("UTF8_STRING")));
    if (info.title.isEmpty())
        info.title = QString::fromLatin1(property(window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING));
    info.pid = cardinal(window, atoms.value("_NET_WM_PID"));
    if (!info.pid && owner != window)
        info.pid = cardinal(owner, atoms.value("_NET_WM_PID"));
    const quint32 steam = cardinal(window, atoms.value("STEAM_GAME"));
    if (steam)
        info.steamAppId = QString::number(steam);
    else if (info.appId.startsWith(QLatin1String("steam_app_"), Qt::CaseInsensitive))
        info.steamAppId = info.appId.mid(10);
    return info;
}
