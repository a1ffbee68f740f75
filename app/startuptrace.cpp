#include "app/startuptrace.h"

#include <QEvent>
#include <QQuickWindow>

#include <chrono>

Q_LOGGING_CATEGORY(lcStartup, "z4.startup", QtWarningMsg)

StartupTrace::StartupTrace(QQuickWindow* quickWindow)
    : window(quickWindow)
{
    if (!lcStartup().isInfoEnabled())
        return;
    // Emitted once the rendered frame has been handed to the window system.
    connect(window, &QQuickWindow::frameSwapped, this, [this] {
        disconnect(window, &QQuickWindow::frameSwapped, this, nullptr);
        mark("frame");
    });
    window->installEventFilter(this);
}

void StartupTrace::mark(const char* what)
{
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    qCInfo(lcStartup, "%s %lld", what,
        static_cast<long long>(std::chrono::duration_cast<std::chrono::microseconds>(now).count()));
}

void StartupTrace::markAfterQueuedCalls(const char* what)
{
    if (lcStartup().isInfoEnabled())
        QMetaObject::invokeMethod(
            this, [what] { mark(what); }, Qt::QueuedConnection);
}

bool StartupTrace::eventFilter(QObject*, QEvent* event)
{
    if (!exposed && event->type() == QEvent::Expose && window->isExposed()) {
        exposed = true;
        mark("exposed");
    }
    return false;
}
