#include "core/datafolder.h"

#include "core/readablefile.h"
#include "store/atomiccopy.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#ifndef Q_OS_WIN
#include <unistd.h>
#endif

namespace {
// Files the program rewrites; everything else below "setting" is a read-only factory file.
const QStringList kLiveSettings = { QStringLiteral("apConfig.bin"), QStringLiteral("p_Z4.bin") };
const QString kModules = QStringLiteral("/modules");
const QString kInstalledData = QStringLiteral("/../share/z4config");

bool fail(QString* failure, const QString& path, const QString& reason)
{
    if (failure)
        *failure = QDir::toNativeSeparators(path) + QStringLiteral(": ") + reason;
    return false;
}

// Whatever stands at the path goes: a link (never its target), a file or a folder of ours.
bool clear(const QString& path, QString* failure)
{
    const QFileInfo at(path);
    const bool gone = at.isDir() && !at.isSymLink() ? QDir(path).removeRecursively() : QFile::remove(path);
    return gone || fail(failure, path, QStringLiteral("cannot remove what is in the way"));
}

// A real folder, not a link: what is written below it must stay in the user's data.
bool makeFolder(const QString& path, QString* failure)
{
    const QFileInfo at(path);
    if (at.isDir() && !at.isSymLink())
        return true;
    if ((at.isSymLink() || at.exists()) && !clear(path, failure))
        return false;
    return QDir().mkpath(path) || fail(failure, path, QStringLiteral("cannot create the folder"));
}

// Copied into a sibling that takes the name only once complete, so a failure never leaves half
// a folder that a later start would take for a good one.
bool copyTree(const QString& from, const QString& to, QString* failure)
{
    if (QFileInfo(from).isFile())
        return copyReplacing(from, to, failure);
    const QString partial = to + QStringLiteral(".partial");
    QDir(partial).removeRecursively();
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString copy = partial + file.mid(from.size());
        if (!QDir().mkpath(QFileInfo(copy).path()) || !QFile::copy(file, copy)) {
            QDir(partial).removeRecursively();
            return fail(failure, copy, QStringLiteral("cannot copy ") + QDir::toNativeSeparators(file));
        }
    }
    return QDir().rename(partial, to) || fail(failure, to, QStringLiteral("cannot create the folder"));
}

// A link follows the installation, so a newer package's pictures, language packs and factory
// profiles take effect at once. Windows has no transparent links for programs (QFile::link
// makes a shortcut there), so a copy made once stands in. A wrong or dangling link, or a thing
// of the other kind in the way, is replaced; an earlier complete copy is kept.
bool placeReadOnly(const QString& target, const QString& link, QString* failure)
{
    const QFileInfo at(link);
    const bool isFolder = QFileInfo(target).isDir();
    if (at.isSymLink()) {
        if (at.exists() && at.symLinkTarget() == QFileInfo(target).absoluteFilePath())
            return true;
    } else if (at.exists() && at.isDir() == isFolder) {
        return true;
    }
    if ((at.isSymLink() || at.exists()) && !clear(link, failure))
        return false;
#ifndef Q_OS_WIN
    if (QFile::link(target, link))
        return true;
#endif
    return copyTree(target, link, failure);
}

// The user's own file is kept. Anything else becomes a real file: a link would take saves into
// the installation or make them fail, so it is replaced by a copy of what it showed. A FIFO or a
// file too large to be settings is replaced by the factory file, as its readers would hang on it.
bool placeLive(const QString& factory, const QString& live, QString* failure)
{
    const QFileInfo at(live);
    if (at.isFile() && !at.isSymLink() && readablefile::fits(live)) {
        // Installed files are read-only for the user; a copy the program rewrites must not be.
        return QFile::setPermissions(live, QFile::permissions(live) | QFile::ReadOwner | QFile::WriteOwner)
            || fail(failure, live, QStringLiteral("cannot make the file writable"));
    }
    const bool linkToSettings = at.isSymLink() && readablefile::fits(live);
    const QString source = linkToSettings ? at.canonicalFilePath() : factory;
    if ((at.isSymLink() || at.exists()) && !clear(live, failure))
        return false;
    return copyReplacing(source, live, failure);
}

// Below a folder someone else may write to, only regular files of this user's (not their links)
// of a size a macro file can have are taken over.
bool copyOwnFiles(const QString& from, const QString& to, QString* failure)
{
    QDirIterator it(from, QDir::Files | QDir::NoSymLinks | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo file(it.next());
#ifndef Q_OS_WIN
        if (file.ownerId() != getuid())
            continue;
#endif
        if (file.isSymLink() || !readablefile::fits(file.filePath(), readablefile::kMacroBytes))
            continue;
        const QString copy = to + file.filePath().mid(from.size());
        if (!QDir().mkpath(QFileInfo(copy).path()) || !QFile::copy(file.filePath(), copy)) {
            QDir(to).removeRecursively();
            return fail(
                failure, copy, QStringLiteral("cannot copy ") + QDir::toNativeSeparators(file.filePath()));
        }
    }
    return QDir().mkpath(to) || fail(failure, to, QStringLiteral("cannot create the folder"));
}

bool prepareSettings(const QString& installed, const QString& user, QString* failure)
{
    if (!makeFolder(user, failure))
        return false;
    const QFileInfoList files = QDir(installed).entryInfoList(QDir::Files);
    for (const QFileInfo& file : files) {
        const QString target = user + QLatin1Char('/') + file.fileName();
        const bool ok = kLiveSettings.contains(file.fileName())
            ? placeLive(file.filePath(), target, failure)
            : placeReadOnly(file.filePath(), target, failure);
        if (!ok)
            return false;
    }
    return true;
}

// The macro folder is the user's own and private: a link (which would put the macros, typed
// passwords among them, wherever it leads) becomes a real folder with copies of the user's own
// macro files it showed.
bool placeMacros(const QString& macros, QString* failure)
{
    const QFileInfo at(macros);
    const QString partial = macros + QStringLiteral(".partial");
    if (at.isSymLink()) {
        QDir(partial).removeRecursively();
        if (!copyOwnFiles(macros, partial, failure) || !clear(macros, failure))
            return false;
        if (!QDir().rename(partial, macros))
            return fail(failure, macros, QStringLiteral("cannot create the folder"));
    }
    return makeFolder(macros, failure)
        && (QFile::setPermissions(macros, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner)
            || fail(failure, macros, QStringLiteral("cannot make the folder private")));
}

// The path with its existing part resolved (links, "..") and the part still to be made appended.
QString resolved(const QString& path)
{
    QString head = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    QString tail;
    while (!QFileInfo::exists(head) && head.lastIndexOf(QLatin1Char('/')) > 0) {
        const qsizetype cut = head.lastIndexOf(QLatin1Char('/'));
        tail.prepend(head.mid(cut));
        head.truncate(cut);
    }
    const QString canonical = QFileInfo(head).canonicalFilePath();
    return (canonical.isEmpty() ? head : canonical) + tail + QLatin1Char('/');
}

bool overlap(const QString& a, const QString& b)
{
#ifdef Q_OS_WIN
    const Qt::CaseSensitivity rule = Qt::CaseInsensitive;
#else
    const Qt::CaseSensitivity rule = Qt::CaseSensitive;
#endif
    const QString x = resolved(a);
    const QString y = resolved(b);
    return x.startsWith(y, rule) || y.startsWith(x, rule);
}

// In the portable layout the live files have no installation behind them: one its readers would
// hang on (a FIFO) or take whole into memory (too large) is replaced by its factory file.
void repairPortable(const QString& settings)
{
    const std::pair<QString, QString> files[]
        = { { QStringLiteral("apConfig.bin"), QStringLiteral("apConfigD.bin") },
              { QStringLiteral("p_Z4.bin"), QStringLiteral("pD_Z4.bin") } };
    for (const auto& [live, factory] : files) {
        const QString path = settings + QLatin1Char('/') + live;
        const QFileInfo at(path);
        if ((at.exists() || at.isSymLink()) && !readablefile::fits(path) && clear(path, nullptr))
            copyReplacing(settings + QLatin1Char('/') + factory, path);
    }
}

} // namespace

namespace datafolder {

QString choose(const QString& programDir, const QString& userDataDir, QString* failure)
{
    const QString installed = QDir::cleanPath(programDir + kInstalledData);
    // The installed layout comes first: an installed program folder that the user happens to be
    // able to write (root) must not become a portable one.
    if (!QFileInfo(installed + kModules).isDir()) {
        repairPortable(programDir + kModules + QStringLiteral("/setting"));
        return programDir;
    }
    const QString user
        = overlap(userDataDir, installed) ? userDataDir + QStringLiteral("-user") : userDataDir;
    return prepare(installed, user, failure) ? user : QString();
}

bool prepare(const QString& installedDir, const QString& userDir, QString* failure)
{
    const QString from = installedDir + kModules;
    const QString to = userDir + kModules;
    if (!QDir().mkpath(to))
        return fail(failure, to, QStringLiteral("cannot create the folder"));
    const QFileInfoList entries = QDir(from).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QFileInfo& entry : entries) {
        const QString name = entry.fileName();
        const QString target = to + QLatin1Char('/') + name;
        bool ok = true;
        // The macro library is always the user's own folder, never a link into the installation.
        if (name == QLatin1String("setting"))
            ok = prepareSettings(entry.filePath(), target, failure);
        else if (name != QLatin1String("macro"))
            ok = placeReadOnly(entry.filePath(), target, failure);
        if (!ok)
            return false;
    }
    return placeMacros(to + QStringLiteral("/macro"), failure);
}

} // namespace datafolder
