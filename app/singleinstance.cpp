#include "app/singleinstance.h"

#include <QDir>

#ifndef Q_OS_WIN
#include "core/runtimefolder.h"

#include <unistd.h>
#endif

namespace {
QString lockFile(const QString& name)
{
#ifdef Q_OS_WIN
    return QDir::temp().filePath(name + QLatin1Char('-') + qEnvironmentVariable("USERNAME") + ".lock");
#else
    const QString folder = runtimefolder::path();
    if (folder.isEmpty())
        return QString();
    return folder + QStringLiteral("/%1-%2.lock").arg(name).arg(getuid());
#endif
}
} // namespace

SingleInstance::SingleInstance(const QString& name)
    : path(lockFile(name))
    , lock(path)
{
    // A lock is stale only when its owner is gone; a live owner holds it however long it runs.
    lock.setStaleLockTime(0);
    if (path.isEmpty()) {
        running = true;
        problem = QStringLiteral("no private folder for the lock of %1").arg(name);
    } else if (!lock.tryLock(0)) {
        running = true;
        if (lock.error() != QLockFile::LockFailedError)
            problem = QStringLiteral("cannot create the lock %1").arg(QDir::toNativeSeparators(path));
    }
}
