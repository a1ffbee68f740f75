#pragma once

#include <QObject>
#include <QString>

// What a desktop says became active. Fields a source cannot know stay empty (pid 0).
struct FocusInfo {
    QString appId; // Wayland app id, or the X11 WM_CLASS class
    QString instance; // the X11 WM_CLASS instance (resource name); empty on Wayland
    QString title;
    qint64 pid = 0;
    QString steamAppId; // from a steam_app_<id> class or the STEAM_GAME property
    QString source; // the source's name(): "x11", "sway", "kwin", ...
    bool none() const { return appId.isEmpty() && instance.isEmpty() && steamAppId.isEmpty(); }
};
Q_DECLARE_METATYPE(FocusInfo)

// One way of learning which application is in front. Event-driven: a source never polls.
// Several may run side by side (X11 windows inside a Wayland session); the switcher takes the
// newest report from any of them.
class FocusSource : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~FocusSource() override = default;

    virtual QString name() const = 0;
    // Connects to the desktop; false (with why()) when this desktop does not offer the source.
    virtual bool start() = 0;
    virtual QString why() const { return {}; }

signals:
    // Something became active; info.none() for a moment without focus.
    void focusChanged(const FocusInfo& info);
    // The source lost its desktop (compositor ended, socket closed) and will not report more.
    void lost(const QString& reason);
};
