#include "app/startuptrace.h"

#include <QEvent>
#include <QQuickWidget>
#include <QQuickWindow>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <chrono>

Q_LOGGING_CATEGORY(lcStartup, "z4.startup", QtWarningMsg)

StartupTrace::StartupTrace(QWidget* hostWindow, QQuickWidget* quickView)
    : host(hostWindow)
    , view(quickView)
{
    if (!lcStartup().isInfoEnabled())
        return;
    // The widget's scene renders off screen; a paint of the widget after that render is the
    // first frame that reaches the window.
    connect(
        view->quickWindow(), &QQuickWindow::afterRendering, this, [this] { rendered = true; },
        Qt::DirectConnection);
    view->installEventFilter(this);
    host->winId();
    host->windowHandle()->installEventFilter(this);
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

bool StartupTrace::eventFilter(QObject* watched, QEvent* event)
{
    if (!exposed && event->type() == QEvent::Expose && host->windowHandle()->isExposed()) {
        exposed = true;
        mark("exposed");
    } else if (!framed && rendered && watched == view && event->type() == QEvent::Paint) {
        framed = true;
        // The backing store is flushed right after the paint events of this round.
        QTimer::singleShot(0, this, [] { mark("frame"); });
    }
    return false;
}
