#pragma once

#include "focus/focussource.h"

#include <map>
#include <memory>

struct wl_display;
struct wl_registry;
struct zwlr_foreign_toplevel_manager_v1;
struct zwlr_foreign_toplevel_handle_v1;
class QSocketNotifier;

// The wlroots foreign-toplevel protocol on a Wayland connection of our own (sway, Hyprland,
// river, labwc, Wayfire, ...): the toplevel whose state holds "activated" after "done".
class WlrToplevelSource : public FocusSource {
    Q_OBJECT
public:
    // displayName empty: $WAYLAND_DISPLAY.
    explicit WlrToplevelSource(QObject* parent = nullptr, QString displayName = {});
    ~WlrToplevelSource() override;
    QString name() const override { return QStringLiteral("wlr-toplevel"); }
    bool start() override;
    QString why() const override { return why_; }

    struct Toplevel {
        QString appId, title;
        bool activated = false;
        QString pendingAppId, pendingTitle;
        bool pendingActivated = false;
    };
    // Called from the protocol's listeners.
    void announce(zwlr_foreign_toplevel_handle_v1* handle);
    Toplevel* toplevel(zwlr_foreign_toplevel_handle_v1* handle);
    void done(zwlr_foreign_toplevel_handle_v1* handle);
    void closed(zwlr_foreign_toplevel_handle_v1* handle);
    void bindManager(wl_registry* registry, uint32_t id, uint32_t version);
    void finished();

private:
    bool roundtrip(int timeoutMs);
    void dispatch();
    void fail(const QString& reason);
    void teardown();

    QString displayName_;
    QString why_;
    wl_display* display_ = nullptr;
    wl_registry* registry_ = nullptr;
    zwlr_foreign_toplevel_manager_v1* manager_ = nullptr;
    QSocketNotifier* notifier_ = nullptr;
    std::map<zwlr_foreign_toplevel_handle_v1*, Toplevel> toplevels_;
    zwlr_foreign_toplevel_handle_v1* reported_ = nullptr;
};
