// z4ctl: the mouse's settings from the command line. Qt Core only, so it starts at once and
// runs without a display.
#include "cli/ctl.h"
#include "core/datafolder.h"
#include "core/mouselink.h"
#include "device/exchangelock.h"
#include "device/hidlibrary.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTextStream>

#include <cstdlib>

namespace {
// z4ctl speaks for itself, one line per problem; the libraries' own lines are not for scripts.
void quiet(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    if (type == QtFatalMsg) {
        QTextStream(stderr) << text << '\n';
        abort();
    }
}
} // namespace

int main(int argc, char* argv[])
{
    qInstallMessageHandler(quiet);
    // The window's names, so both work in the same data folder.
    QCoreApplication::setApplicationName(QStringLiteral("z4config"));
    QCoreApplication::setOrganizationName(QStringLiteral("z4config"));
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    QString failure;
    const QString folder = datafolder::choose(QCoreApplication::applicationDirPath(),
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/z4config"),
        &failure);
    if (folder.isEmpty()) {
        err << "z4ctl: cannot prepare the data folder: " << failure << '\n';
        return ctl::kFailed;
    }
    // Paths on the line mean the caller's folder, not the data folder the commands work in.
    const QString caller = QDir::currentPath();
    QDir::setCurrent(folder);
    ExchangeLock::setPath(mouselink::exchangeLockPath());
    HidLibrary hid;
    return ctl::run(app.arguments().mid(1), caller, out, err);
}
