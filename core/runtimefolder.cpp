#include "core/runtimefolder.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <sys/stat.h>
#include <unistd.h>

namespace {
// A folder counts only when it is no link, belongs to this user and is closed to others; one of
// the user's own that is open to others is closed first.
bool isPrivate(const QString& folder, bool mayTighten)
{
    struct stat info { };
    const QByteArray name = QFile::encodeName(folder);
    if (folder.isEmpty() || ::lstat(name.constData(), &info) != 0 || !S_ISDIR(info.st_mode)
        || info.st_uid != ::geteuid())
        return false;
    if ((info.st_mode & 077) == 0)
        return true;
    return mayTighten && ::chmod(name.constData(), 0700) == 0;
}

bool makePrivate(const QString& folder)
{
    ::mkdir(QFile::encodeName(folder).constData(), 0700);
    return isPrivate(folder, true);
}
} // namespace

namespace runtimefolder {

QString path()
{
    // A sandbox (the tests) names its own; nothing a login sets up does.
    const QString sandbox = qEnvironmentVariable("Z4_RUNTIME_FOLDER");
    if (!sandbox.isEmpty())
        return isPrivate(sandbox, false) ? sandbox : QString();
    const QString own = QStringLiteral("/run/user/%1").arg(::geteuid());
    if (isPrivate(own, false))
        return own;
    const QString name = QStringLiteral("/z4config-runtime-%1").arg(::geteuid());
    for (const QString& parent :
        { QDir::tempPath(), QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) }) {
        QDir().mkpath(parent);
        if (makePrivate(parent + name))
            return parent + name;
    }
    return QString();
}

} // namespace runtimefolder
