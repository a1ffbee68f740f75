// z4switch: selects the mouse's profile for the application in front, by the rules that
// `z4ctl switch` and the window edit. Resident, event-driven, Qt Core only.
#include "app/devicewatcher.h"
#include "core/datafolder.h"
#include "core/mouselink.h"
#include "core/runtimefolder.h"
#include "device/exchangelock.h"
#include "device/hidlibrary.h"
#include "switcher/service.h"

#include <QCoreApplication>
#include <QDir>
#include <QLockFile>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QTextStream>

#include <csignal>
#include <sys/signalfd.h>
#include <unistd.h>

namespace {
// SIGTERM and SIGINT end the program, SIGHUP reads the rules again and looks for the mouse;
// all arrive as events of the loop (blocked before any thread starts, read from a signalfd).
int signalFd()
{
    sigset_t set;
    sigemptyset(&set);
    for (int s : { SIGTERM, SIGINT, SIGHUP })
        sigaddset(&set, s);
    pthread_sigmask(SIG_BLOCK, &set, nullptr);
    return ::signalfd(-1, &set, SFD_CLOEXEC | SFD_NONBLOCK);
}
} // namespace

int main(int argc, char* argv[])
{
    const int signalsFd = signalFd();
    QCoreApplication::setApplicationName(QStringLiteral("z4config"));
    QCoreApplication::setOrganizationName(QStringLiteral("z4config"));
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList args = app.arguments().mid(1);
    const bool print = args.contains(QStringLiteral("--print"));
    if (args.size() > int(print)) {
        (args.contains(QStringLiteral("--help")) ? out : err)
            << "usage: z4switch [--print]\n"
               "Selects the mouse's profile for the application in front, by the rules of\n"
               "z4ctl switch. --print prints every focus change and decision.\n";
        return args.contains(QStringLiteral("--help")) ? 0 : 2;
    }
    QLockFile single(runtimefolder::path() + QStringLiteral("/z4switch.lock"));
    if (!single.tryLock(0)) {
        err << "z4switch: already running\n";
        return 1;
    }
    QString failure;
    const QString folder = datafolder::choose(QCoreApplication::applicationDirPath(),
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/z4config"),
        &failure);
    if (folder.isEmpty()) {
        err << "z4switch: cannot prepare the data folder: " << failure << '\n';
        return 1;
    }
    QDir::setCurrent(folder);
    ExchangeLock::setPath(mouselink::exchangeLockPath());
    HidLibrary hid;

    SwitchService service(print ? &out : nullptr);
    QSocketNotifier stop(signalsFd, QSocketNotifier::Read);
    QObject::connect(&stop, &QSocketNotifier::activated, &app, [&] {
        signalfd_siginfo info {};
        while (::read(signalsFd, &info, sizeof info) == sizeof info) {
            if (info.ssi_signo == SIGHUP)
                service.reload();
            else
                app.quit();
        }
    });
    DeviceWatcher devices;
    QObject::connect(&devices, &DeviceWatcher::changed, &service, &SwitchService::devicesChanged);
    QObject::connect(&service, &SwitchService::allSourcesLost, &app, [&] { app.exit(1); });
    if (!service.start(&failure)) {
        err << "z4switch: no focus source: " << failure << '\n';
        return 1;
    }
    return app.exec();
}
