#include "core/mouselink.h"

#include "device/devinfo.h"
#include "device/ms_ht66fb560.h"

#include <QFile>
#include <QSettings>

#ifdef Q_OS_WIN
#include <QDir>
#include <windows.h>
#else
#include "core/runtimefolder.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#endif

namespace {
const QByteArray kNotice("reread\n");
}

namespace mouselink {

#ifdef Q_OS_WIN
QString exchangeLockPath()
{
    return QDir::temp().filePath(
        QStringLiteral("z4config-%1-exchange.lock").arg(qEnvironmentVariable("USERNAME")));
}

QString noticeName()
{
    return QStringLiteral("z4config-notice-") + qEnvironmentVariable("USERNAME");
}

bool tellWindow()
{
    const QString pipe = QStringLiteral("\\\\.\\pipe\\") + noticeName();
    HANDLE h = CreateFileW(
        reinterpret_cast<LPCWSTR>(pipe.utf16()), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const bool ok = WriteFile(h, kNotice.constData(), DWORD(kNotice.size()), &written, nullptr);
    CloseHandle(h);
    return ok;
}
#else
QString exchangeLockPath()
{
    const QString folder = runtimefolder::path();
    return folder.isEmpty() ? QString() : folder + QStringLiteral("/z4config-exchange.lock");
}

QString noticeName()
{
    const QString folder = runtimefolder::path();
    return folder.isEmpty() ? QString() : folder + QStringLiteral("/z4config-notice");
}

// A plain socket rather than Qt's: the command line links Qt Core only.
bool tellWindow()
{
    const QByteArray path = QFile::encodeName(noticeName());
    sockaddr_un address {};
    if (path.isEmpty() || size_t(path.size()) >= sizeof(address.sun_path))
        return false;
    address.sun_family = AF_UNIX;
    std::copy(path.begin(), path.end(), address.sun_path);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    const bool ok = ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0
        && ::send(fd, kNotice.constData(), size_t(kNotice.size()), MSG_NOSIGNAL) == kNotice.size();
    ::close(fd);
    return ok;
}
#endif

QString permissionFix()
{
    return QStringLiteral(
        "sudo cp build/packaging/70-z4config.rules /etc/udev/rules.d/ && sudo udevadm control --reload");
}

Detection detect(MS_HT66FB560& device)
{
    const QSettings config(QStringLiteral("./modules/setting/apConfig.bin"), QSettings::IniFormat);
    const QStringList names = config.value(QStringLiteral("common/product_name")).toStringList();
    Detection result;
    result.found = device.detect(loadCatalogue(QStringLiteral(":/DevInfo.ini"), names));
    // A mouse that is there but cannot be opened (no udev rule) is not connected.
    if (result.found)
        result.failure = device.openFailure();
    return result;
}

} // namespace mouselink
