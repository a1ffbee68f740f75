#include "store/atomiccopy.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace {
bool failed(QString* error, const QString& path, const QString& reason)
{
    if (error)
        *error = QDir::toNativeSeparators(path) + QStringLiteral(": ") + reason;
    return false;
}
} // namespace

bool copyReplacing(const QString& from, const QString& to, QString* error)
{
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly))
        return failed(error, from, source.errorString());
    const QByteArray content = source.readAll();
    QSaveFile target(to);
    if (!target.open(QIODevice::WriteOnly))
        return failed(error, to, target.errorString());
    // An uncommitted QSaveFile is discarded when it goes out of scope.
    if (target.write(content) != content.size() || !target.commit())
        return failed(error, to, target.errorString());
    return true;
}
