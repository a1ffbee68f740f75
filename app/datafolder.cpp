#include "app/datafolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace {
// Files the program rewrites; everything else below "setting" is a read-only factory file.
const QStringList kLiveSettings = { QStringLiteral("apConfig.bin"), QStringLiteral("p_Z4.bin") };
const QString kModules = QStringLiteral("/modules");

bool isPortable(const QString& programDir)
{
    const QFileInfo setting(programDir + kModules + QStringLiteral("/setting"));
    return setting.isDir() && setting.isWritable();
}

// A link follows the installation, so a newer package's pictures, language packs and factory
// profiles take effect at once. Windows has no transparent links for programs (QFile::link
// makes a shortcut there), so a copy made once stands in.
bool linkOrCopy(const QString& target, const QString& link)
{
    const QFileInfo existing(link);
    if (existing.isSymLink()) {
        if (existing.symLinkTarget() == QFileInfo(target).absoluteFilePath())
            return true;
        QFile::remove(link);
    } else if (existing.exists()) {
        return true;
    }
#ifndef Q_OS_WIN
    if (QFile::link(target, link))
        return true;
#endif
    if (QFileInfo(target).isFile())
        return QFile::copy(target, link);
    QDir().mkpath(link);
    QDirIterator it(target, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString from = it.next();
        const QString to = link + from.mid(target.size());
        QDir().mkpath(QFileInfo(to).path());
        QFile::copy(from, to);
    }
    return true;
}

// Installed files are read-only for the user; a copy the program is to rewrite must not be.
bool copyWritable(const QString& from, const QString& to)
{
    if (!QFile::copy(from, to))
        return false;
    return QFile::setPermissions(to, QFile::permissions(to) | QFile::ReadOwner | QFile::WriteOwner);
}

bool prepareSettings(const QString& installed, const QString& user)
{
    if (!QDir().mkpath(user))
        return false;
    const QFileInfoList files = QDir(installed).entryInfoList(QDir::Files);
    for (const QFileInfo& file : files) {
        const QString target = user + QLatin1Char('/') + file.fileName();
        if (kLiveSettings.contains(file.fileName())) {
            if (!QFileInfo::exists(target) && !copyWritable(file.filePath(), target))
                return false;
        } else if (!linkOrCopy(file.filePath(), target)) {
            return false;
        }
    }
    return true;
}

} // namespace

namespace datafolder {

QString choose(const QString& programDir, const QString& userDataDir)
{
    if (isPortable(programDir))
        return programDir;
    const QString installed = QDir::cleanPath(programDir + QStringLiteral("/../share/z4config"));
    if (QFileInfo(installed + kModules).isDir() && prepare(installed, userDataDir))
        return userDataDir;
    return programDir;
}

bool prepare(const QString& installedDir, const QString& userDir)
{
    const QString from = installedDir + kModules;
    const QString to = userDir + kModules;
    if (!QDir().mkpath(to))
        return false;
    const QFileInfoList entries = QDir(from).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QFileInfo& entry : entries) {
        const QString name = entry.fileName();
        const QString target = to + QLatin1Char('/') + name;
        bool ok = true;
        // The macro library is always the user's own folder, never a link into the installation.
        if (name == QLatin1String("setting"))
            ok = prepareSettings(entry.filePath(), target);
        else if (name != QLatin1String("macro"))
            ok = linkOrCopy(entry.filePath(), target);
        if (!ok)
            return false;
    }
    return QDir().mkpath(to + QStringLiteral("/macro"));
}

} // namespace datafolder
