#include "app/singleinstance.h"

#include <QDir>

namespace {
QString userSuffix()
{
    QString user = qEnvironmentVariable("USER", qEnvironmentVariable("USERNAME"));
    return user.isEmpty() ? QString() : QLatin1Char('-') + user;
}
} // namespace

SingleInstance::SingleInstance(const QString& name)
    : path(QDir::temp().filePath(name + userSuffix() + QStringLiteral(".lock")))
    , lock(path)
{
    // A lock is stale only when its owner is gone; a live owner holds it however long it runs.
    lock.setStaleLockTime(0);
    owned = lock.tryLock(0);
}
