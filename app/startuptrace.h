#pragma once

#include <QLoggingCategory>
#include <QObject>

class QQuickWindow;

Q_DECLARE_LOGGING_CATEGORY(lcStartup)

// Start-up milestones for scripts/measure-startup.sh, written to the "z4.startup" logging
// category (off unless QT_LOGGING_RULES enables z4.startup.info) as wall-clock microseconds:
// the window first exposed, the first scene frame on screen, the end of the scene's initUI.
// Costs nothing when the category is off.
class StartupTrace : public QObject {
    Q_OBJECT
public:
    explicit StartupTrace(QQuickWindow* window);

    // Queues a marker behind the start-up calls the host has queued on the scene.
    void markAfterQueuedCalls(const char* what);
    static void mark(const char* what);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QQuickWindow* window = nullptr;
    bool exposed = false;
};
