#include "app/singleinstance.h"

#include <QDir>
#include <QStandardPaths>

#ifndef Q_OS_WIN
#include <unistd.h>
#endif

namespace {
QString lockFile(const QString& name)
{
#ifdef Q_OS_WIN
    return QDir::temp().filePath(name + QLatin1Char('-') + qEnvironmentVariable("USERNAME") + ".lock");
#else
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
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
    running = !path.isEmpty() && !lock.tryLock(0) && lock.error() == QLockFile::LockFailedError;
}
