#include "wlrtoplevelsource.h"

#include "waylandinfo.h"
#include "wlr-foreign-toplevel-management-unstable-v1-client-protocol.h"

#include <QDeadlineTimer>
#include <QSocketNotifier>

#include <wayland-client.h>

#include <cerrno>
#include <cstring>
#include <poll.h>

namespace {
WlrToplevelSource* self(void* data)
{
    return static_cast<WlrToplevelSource*>(data);
}

void onTitle(void* data, zwlr_foreign_toplevel_handle_v1* h, const char* title)
{
    if (auto* t = self(data)->toplevel(h))
        t->pendingTitle = QString::fromUtf8(title);
}
void onAppId(void* data, zwlr_foreign_toplevel_handle_v1* h, const char* appId)
{
    if (auto* t = self(data)->toplevel(h))
        t->pendingAppId = QString::fromUtf8(appId);
}
void onOutput(void*, zwlr_foreign_toplevel_handle_v1*, wl_output*) { }
void onState(void* data, zwlr_foreign_toplevel_handle_v1* h, wl_array* states)
{
    auto* t = self(data)->toplevel(h);
    if (!t)
        return;
    t->pendingActivated = false;
    const size_t n = states->size / sizeof(uint32_t);
    for (size_t i = 0; i < n; ++i) {
        uint32_t s;
        std::memcpy(&s, static_cast<const char*>(states->data) + i * sizeof s, sizeof s);
        if (s == ZWLR_FOREIGN_TOPLEVEL_HANDLE_V1_STATE_ACTIVATED)
            t->pendingActivated = true;
    }
}
void onDone(void* data, zwlr_foreign_toplevel_handle_v1* h)
{
    self(data)->done(h);
}
void onClosed(void* data, zwlr_foreign_toplevel_handle_v1* h)
{
    self(data)->closed(h);
}
void onParent(void*, zwlr_foreign_toplevel_handle_v1*, zwlr_foreign_toplevel_handle_v1*) { }

const zwlr_foreign_toplevel_handle_v1_listener handleListener = {
    onTitle,
    onAppId,
    onOutput,
    onOutput,
    onState,
    onDone,
    onClosed,
    onParent,
};

void onToplevel(void* data, zwlr_foreign_toplevel_manager_v1*, zwlr_foreign_toplevel_handle_v1* h)
{
    self(data)->announce(h);
}
void onFinished(void* data, zwlr_foreign_toplevel_manager_v1*)
{
    self(data)->finished();
}
const zwlr_foreign_toplevel_manager_v1_listener managerListener = { onToplevel, onFinished };

void onGlobal(void* data, wl_registry* registry, uint32_t id, const char* iface, uint32_t version)
{
    if (std::strcmp(iface, zwlr_foreign_toplevel_manager_v1_interface.name) == 0)
        self(data)->bindManager(registry, id, version);
}
void onGlobalRemove(void*, wl_registry*, uint32_t) { }
const wl_registry_listener registryListener = { onGlobal, onGlobalRemove };

void onSyncDone(void* data, wl_callback* cb, uint32_t)
{
    *static_cast<bool*>(data) = true;
    wl_callback_destroy(cb);
}
const wl_callback_listener syncListener = { onSyncDone };
} // namespace

WlrToplevelSource::WlrToplevelSource(QObject* parent, QString displayName)
    : FocusSource(parent)
    , displayName_(std::move(displayName))
{
}

WlrToplevelSource::~WlrToplevelSource()
{
    teardown();
}

bool WlrToplevelSource::start()
{
    const QByteArray name = displayName_.toLocal8Bit();
    display_ = wl_display_connect(name.isEmpty() ? nullptr : name.constData());
    if (!display_) {
        why_ = tr("no Wayland compositor to connect to");
        return false;
    }
    registry_ = wl_display_get_registry(display_);
    wl_registry_add_listener(registry_, &registryListener, this);
    // Two round trips: the globals, then the toplevels the manager announces at once.
    if (!roundtrip(1000) || (manager_ && !roundtrip(1000))) {
        why_ = tr("the Wayland compositor does not answer");
        teardown();
        return false;
    }
    if (!manager_) {
        why_ = tr("the Wayland compositor does not offer the foreign-toplevel protocol");
        teardown();
        return false;
    }
    notifier_ = new QSocketNotifier(wl_display_get_fd(display_), QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &WlrToplevelSource::dispatch);
    return true;
}

// wl_display_roundtrip() with a deadline: the start must not hang on a stuck compositor.
bool WlrToplevelSource::roundtrip(int timeoutMs)
{
    bool synced = false;
    wl_callback_add_listener(wl_display_sync(display_), &syncListener, &synced);
    const QDeadlineTimer deadline(timeoutMs);
    while (!synced) {
        if (wl_display_dispatch_pending(display_) < 0 || wl_display_flush(display_) < 0)
            return false;
        if (synced)
            break;
        if (wl_display_prepare_read(display_) != 0)
            continue;
        pollfd pfd { wl_display_get_fd(display_), POLLIN, 0 };
        const int left = int(deadline.remainingTime());
        if (left <= 0 || ::poll(&pfd, 1, left) <= 0) {
            wl_display_cancel_read(display_);
            return false;
        }
        if (wl_display_read_events(display_) < 0)
            return false;
    }
    return true;
}

void WlrToplevelSource::dispatch()
{
    if (wl_display_prepare_read(display_) == 0) {
        if (wl_display_read_events(display_) < 0) {
            fail(tr("the Wayland compositor closed the connection"));
            return;
        }
    }
    if (wl_display_dispatch_pending(display_) < 0 || wl_display_flush(display_) < 0)
        fail(tr("the Wayland connection failed: %1").arg(QString::fromLocal8Bit(std::strerror(errno))));
}

void WlrToplevelSource::bindManager(wl_registry* registry, uint32_t id, uint32_t version)
{
    if (manager_)
        return;
    manager_ = static_cast<zwlr_foreign_toplevel_manager_v1*>(
        wl_registry_bind(registry, id, &zwlr_foreign_toplevel_manager_v1_interface, qMin(version, 3u)));
    zwlr_foreign_toplevel_manager_v1_add_listener(manager_, &managerListener, this);
}

void WlrToplevelSource::announce(zwlr_foreign_toplevel_handle_v1* handle)
{
    toplevels_[handle] = Toplevel {};
    zwlr_foreign_toplevel_handle_v1_add_listener(handle, &handleListener, this);
}

WlrToplevelSource::Toplevel* WlrToplevelSource::toplevel(zwlr_foreign_toplevel_handle_v1* handle)
{
    const auto it = toplevels_.find(handle);
    return it == toplevels_.end() ? nullptr : &it->second;
}

void WlrToplevelSource::done(zwlr_foreign_toplevel_handle_v1* handle)
{
    Toplevel* t = toplevel(handle);
    if (!t)
        return;
    const bool changed
        = t->appId != t->pendingAppId || t->title != t->pendingTitle || t->activated != t->pendingActivated;
    t->appId = t->pendingAppId;
    t->title = t->pendingTitle;
    t->activated = t->pendingActivated;
    FocusInfo info;
    info.source = name();
    if (t->activated && (changed || reported_ != handle)) {
        info.appId = t->appId;
        info.title = t->title;
        fillSteamAppId(info);
        reported_ = handle;
        emit focusChanged(info);
    } else if (!t->activated && reported_ == handle) {
        reported_ = nullptr;
        emit focusChanged(info);
    }
}

void WlrToplevelSource::closed(zwlr_foreign_toplevel_handle_v1* handle)
{
    toplevels_.erase(handle);
    zwlr_foreign_toplevel_handle_v1_destroy(handle);
    if (reported_ == handle) {
        reported_ = nullptr;
        FocusInfo info;
        info.source = name();
        emit focusChanged(info);
    }
}

void WlrToplevelSource::finished()
{
    zwlr_foreign_toplevel_manager_v1_destroy(manager_);
    manager_ = nullptr;
    fail(tr("the Wayland compositor stopped reporting its windows"));
}

void WlrToplevelSource::fail(const QString& reason)
{
    if (!why_.isEmpty())
        return;
    why_ = reason;
    if (notifier_)
        notifier_->setEnabled(false);
    emit lost(reason);
}

void WlrToplevelSource::teardown()
{
    delete notifier_;
    notifier_ = nullptr;
    for (auto& entry : toplevels_)
        zwlr_foreign_toplevel_handle_v1_destroy(entry.first);
    toplevels_.clear();
    if (manager_)
        zwlr_foreign_toplevel_manager_v1_destroy(manager_);
    manager_ = nullptr;
    if (registry_)
        wl_registry_destroy(registry_);
    registry_ = nullptr;
    if (display_)
        wl_display_disconnect(display_);
    display_ = nullptr;
}
