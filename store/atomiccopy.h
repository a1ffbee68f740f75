#pragma once

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QString>

// Header-only, so that the macro library shares it without linking the store.
//
// Copies the file `from` over `to` through a temporary file beside `to` that replaces it only
// once it is complete, so a failure (disk full, quota, no rights) leaves the old `to` as it was
// and a reader never sees half a file. A link at `to` is followed. On failure, `error` (when
// given) names the path that failed and why.
inline bool copyReplacing(const QString& from, const QString& to, QString* error = nullptr)
{
    const auto failed = [error](const QString& path, const QString& reason) {
        if (error)
            *error = QDir::toNativeSeparators(path) + QStringLiteral(": ") + reason;
        return false;
    };
    QFile source(from);
    if (!QFileInfo(from).isFile())
        return failed(from, QStringLiteral("not a file"));
    if (!source.open(QIODevice::ReadOnly))
        return failed(from, source.errorString());
    QSaveFile target(to);
    if (!target.open(QIODevice::WriteOnly))
        return failed(to, target.errorString());
    // Piece by piece: a huge file picked by mistake must not be read into memory at once. An
    // uncommitted QSaveFile is discarded when it goes out of scope.
    while (!source.atEnd()) {
        const QByteArray chunk = source.read(64 * 1024);
        if (chunk.isEmpty() || target.write(chunk) != chunk.size())
            return failed(
                chunk.isEmpty() ? from : to, chunk.isEmpty() ? source.errorString() : target.errorString());
    }
    return target.commit() || failed(to, target.errorString());
}
