#include "app/instancebell.h"
#include "app/localurlopener.h"
#include "app/platformchoice.h"
#include "app/singleinstance.h"
#include "app/startuptrace.h"
#include "app/ui_controler.h"
#include "app/widget.h"
#include "bridge/myqquickview.h"
#include "core/datafolder.h"
#include "core/mouselink.h"
#include "device/exchangelock.h"
#include "device/hidlibrary.h"
#include "system/inputhook.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QList>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTimer>

#ifndef Q_OS_WIN
#include "app/unixsignals.h"
#endif

#ifndef Q_OS_WIN
namespace {
bool stopping = false;

// Ends the program as the close button does. A modal box runs an event loop of its own that
// would outlive the window, so open boxes are dismissed first, and a wait for the mouse gives up.
void endProgram(Widget& w)
{
    stopping = true;
    ExchangeLock::cancelWaits();
    for (int i = 0; i < 16 && QApplication::activeModalWidget(); ++i)
        QApplication::activeModalWidget()->close();
    w.controller()->onMinimize();
}
} // namespace
#endif

namespace {
// A second start brings this window back, from the taskbar too, as desktop programs do.
void comeForward(Widget& w)
{
    w.showNormal();
    w.raise();
    w.requestActivate();
}
} // namespace

int main(int argc, char* argv[])
{
    platformchoice::apply();
    // Not taken from the name the program was started by, so a link named otherwise behaves the
    // same: the window class, the desktop entry it belongs to, any per-application path.
    QCoreApplication::setApplicationName(QStringLiteral("z4config"));
    QCoreApplication::setOrganizationName(QStringLiteral("z4config"));
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.z4config"));
    QApplication app(argc, argv);
    const auto refuse = [](const QString& text) {
        QMessageBox::warning(nullptr, QStringLiteral("z4config"), text, QMessageBox::Ok);
        return 1;
    };
    SingleInstance instance;
    if (instance.isRunning()) {
        // A lock that cannot be made is explained. Another instance is asked to come forward:
        // status 0 when it was reached, 1 when it could not be (it is still starting or hangs).
        if (!instance.failure().isEmpty())
            return refuse(
                QApplication::translate("main", "The program cannot start: %1.").arg(instance.failure()));
        return InstanceBell::ring(InstanceBell::socketFor(instance.lockPath())) ? 0 : 1;
    }

    // Every data path is relative ("./modules/..."): work from the program's own folder, or
    // from the user's data folder when the program is installed. Its name is fixed rather than
    // the application's, so existing users keep their folder.
    QString failure;
    const QString folder = datafolder::choose(QCoreApplication::applicationDirPath(),
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/z4config"),
        &failure);
    if (folder.isEmpty())
        return refuse(
            QApplication::translate("main", "The program cannot prepare its data folder:\n%1").arg(failure));
    QDir::setCurrent(folder);

    // Exchanges with the mouse take turns with z4ctl's.
    ExchangeLock::setPath(mouselink::exchangeLockPath());
    // While another program holds the mouse, the window keeps painting and hears SIGTERM;
    // the person's clicks wait.
    ExchangeLock::setWaiter([](int ms) {
        QEventLoop wait;
        QTimer::singleShot(ms, &wait, &QEventLoop::quit);
        wait.exec(QEventLoop::ExcludeUserInputEvents);
    });
    qRegisterMetaType<QList<uchar>>("QList<uchar>");
    LocalUrlOpener urlOpener;

    // Outlives the window, whose destruction stops the listener.
    HidLibrary hid;
    StartupTrace::mark("application");
    Widget w;
    StartupTrace::mark("scene");
    StartupTrace trace(&w);

    // Without hooks the program still runs; the scene just never hears of keys or buttons.
    InputHook hook;
    hook.install();
    hook.setKeyCallback(&Widget::keyReport, &w);
    hook.setMouseCallback(&Widget::mouseReport, &w);
    hook.setCopyDataCallback(&Widget::copyDataReport, &app, &w);
#ifndef Q_OS_WIN
    UnixSignals stopSignals;
    QObject::connect(&stopSignals, &UnixSignals::stopRequested, &w, [&w] { endProgram(w); });
#endif

    QObject::connect(&urlOpener, &LocalUrlOpener::failed, &w,
        [&w](const QUrl& url) { w.view()->z4_tellOpenFailed(url.toString()); });
    InstanceBell bell;
    QObject::connect(&bell, &InstanceBell::rung, &w, [&w] { comeForward(w); });
    if (!bell.listen(InstanceBell::socketFor(instance.lockPath())))
        qDebug("a second start cannot reach this window");

    w.checkDevice();
#ifndef Q_OS_WIN
    if (stopping)
        return 0;
#endif
    StartupTrace::mark("detection");
    w.showNormal();
    w.startScene();
    trace.markAfterQueuedCalls("initUI");
    const int status = app.exec();
    hook.uninstall();
    return status;
}
