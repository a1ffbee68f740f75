#include "macro/macrolibrary.h"

#include "core/readablefile.h"
#include "macro/macroencoder.h"
#include "store/atomiccopy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>

#include <algorithm>
#include <cctype>

namespace {

const QString kIndexKey = QStringLiteral("config/index");
const QString kTotalKey = QStringLiteral("config/total");
const QString kRepeatKey = QStringLiteral("config/repeat");
const QString kLinesGroup = QStringLiteral("macro");
const QString kExtension = QStringLiteral(".bin");
// A macro can hold typed text such as a password.
constexpr QFile::Permissions kPrivateFolder = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
constexpr QFile::Permissions kPrivateFile = QFile::ReadOwner | QFile::WriteOwner;

QString lineKey(int i)
{
    return kLinesGroup + QLatin1Char('/') + QString::number(i);
}

// A value that does not parse as a number counts as absent, not as 0 (slot 0 would be in use).
// A number beyond int does not parse either, as QString's conversion has it (QVariant's would
// cut it down): a damaged file must not become 65,536 lines, a repeat of FF FF or slot 0.
int intValue(const QSettings& settings, const QString& key, int fallback)
{
    bool ok = false;
    const int value = settings.value(key).toString().toInt(&ok);
    return ok ? value : fallback;
}

// Macro files keep the form of Qt's INI writer without a codec: each UTF-16 unit outside ASCII
// as "\x" and its hex digits, and a hex digit right after such an escape escaped as well, so that
// it is not read as part of the number. Qt 6 writes UTF-8 instead; keys and section names it
// writes in ASCII, so every non-ASCII character here belongs to a value.
QByteArray escapeNonAscii(const QByteArray& utf8)
{
    QByteArray out;
    bool afterEscape = false;
    for (const QChar c : QString::fromUtf8(utf8)) {
        const char16_t unit = c.unicode();
        const bool hexDigit = unit < 0x80 && std::isxdigit(static_cast<unsigned char>(unit));
        afterEscape = unit >= 0x80 || (afterEscape && hexDigit);
        if (afterEscape)
            out += "\\x" + QByteArray::number(unit, 16);
        else
            out += char(unit);
    }
    return out;
}

// QSettings keeps the changes of a write that failed in its process-wide cache, and later
// readers of the same file would see them as if they were on disk. So nothing is changed in a
// file that cannot be written: the file itself and, for the atomic replace, its folder.
bool writable(const QString& path)
{
    const QFileInfo file(path);
    return file.isWritable() && QFileInfo(file.absolutePath()).isWritable();
}

// Writes the pending changes, then turns the file's non-ASCII characters into escapes.
bool syncEscaped(QSettings& settings)
{
    settings.sync();
    if (settings.status() != QSettings::NoError)
        return false;
    QFile written(settings.fileName());
    if (!written.open(QIODevice::ReadOnly))
        return false;
    const QByteArray content = written.readAll();
    written.close();
    if (std::all_of(content.begin(), content.end(), [](char b) { return uchar(b) < 0x80; }))
        return true;
    QSaveFile escaped(settings.fileName());
    const QByteArray text = escapeNonAscii(content);
    return escaped.open(QIODevice::WriteOnly) && escaped.write(text) == text.size() && escaped.commit();
}

} // namespace

MacroLibrary::MacroLibrary(const QString& folder)
    : dir(folder)
{
}

QString MacroLibrary::folderForModel(int modelId)
{
    return QStringLiteral("./modules/macro/") + QString::number(modelId) + QLatin1Char('/');
}

// A leading dot would make a hidden file that the listing no longer shows.
bool MacroLibrary::isValidName(const QString& name)
{
    if (name.isEmpty() || name.startsWith(QLatin1Char('.')))
        return false;
    return !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\')) && !name.contains(QChar(0));
}

void MacroLibrary::keepPrivate() const
{
    if (!QFileInfo(dir).isDir())
        return;
    QFile::setPermissions(dir, kPrivateFolder);
    // Links are left alone: changing one would change whatever it leads to.
    const QFileInfoList files = QDir(dir).entryInfoList(QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    for (const QFileInfo& file : files)
        QFile::setPermissions(file.filePath(), kPrivateFile);
}

QString MacroLibrary::filePath(const QString& name) const
{
    return isValidName(name) ? dir + name + kExtension : QString();
}

// A FIFO, device or huge file under a macro's name is not a macro: reading it could hang.
bool MacroLibrary::exists(const QString& name) const
{
    return isValidName(name) && readablefile::fits(filePath(name), readablefile::kMacroBytes);
}

// Matched with the file system's own case rule, so "X.BIN" is listed only where "X.bin" opens
// it; names that the calls refuse are left out.
QStringList MacroLibrary::names() const
{
#if defined(Q_OS_WIN) || defined(Q_OS_DARWIN)
    const QDir::Filters caseRule {};
#else
    const QDir::Filters caseRule = QDir::CaseSensitive;
#endif
    QStringList entries = QDir(dir).entryList({ QLatin1Char('*') + kExtension },
        QDir::AllEntries | QDir::NoDotAndDotDot | caseRule, QDir::Name | QDir::IgnoreCase);
    entries.removeIf([this](const QString& entry) { return !exists(entry.chopped(kExtension.size())); });
    return entries;
}

QString MacroLibrary::create()
{
    QString name;
    for (int n = 1; name.isEmpty() || QFileInfo::exists(filePath(name)); ++n)
        name = QStringLiteral("Macro. %1").arg(n, 3, 10, QLatin1Char('0'));
    if (!QFileInfo(dir).isDir() && QDir().mkpath(dir))
        QFile::setPermissions(dir, kPrivateFolder);
    QSettings settings(filePath(name), QSettings::IniFormat);
    settings.setValue(kIndexKey, -1);
    settings.setValue(kTotalKey, 0);
    settings.setValue(kRepeatKey, 1);
    settings.sync();
    // Later writes replace the file through a copy that keeps these permissions.
    QFile::setPermissions(filePath(name), kPrivateFile);
    return settings.status() == QSettings::NoError ? name : QString();
}

bool MacroLibrary::remove(const QString& name)
{
    return isValidName(name) && QFileInfo::exists(filePath(name)) && QFile::remove(filePath(name));
}

bool MacroLibrary::rename(const QString& oldName, const QString& newName)
{
    if (!exists(oldName) || !isValidName(newName) || QFileInfo::exists(filePath(newName)))
        return false;
    return QFile::rename(filePath(oldName), filePath(newName));
}

QStringList MacroLibrary::lines(const QString& name) const
{
    if (!exists(name))
        return {};
    const QSettings settings(filePath(name), QSettings::IniFormat);
    const int total = std::clamp(intValue(settings, kTotalKey, 0), 0, kMaxLines);
    QStringList result;
    result.reserve(total);
    for (int i = 0; i < total; ++i)
        result << MacroEncoder::clampedLine(settings.value(lineKey(i), QStringLiteral("0")).toString());
    return result;
}

bool MacroLibrary::saveLines(const QString& name, const QStringList& lines)
{
    if (!exists(name) || !writable(filePath(name)))
        return false;
    QSettings settings(filePath(name), QSettings::IniFormat);
    settings.remove(kLinesGroup);
    settings.setValue(kTotalKey, lines.size());
    for (int i = 0; i < lines.size(); ++i)
        settings.setValue(lineKey(i), lines.at(i));
    return syncEscaped(settings);
}

int MacroLibrary::index(const QString& name) const
{
    if (!exists(name))
        return -1;
    return intValue(QSettings(filePath(name), QSettings::IniFormat), kIndexKey, -1);
}

int MacroLibrary::repeat(const QString& name) const
{
    if (!exists(name))
        return 1;
    return intValue(QSettings(filePath(name), QSettings::IniFormat), kRepeatKey, 1);
}

QVariantList MacroLibrary::config(const QString& name) const
{
    if (!exists(name))
        return {};
    return { index(name), repeat(name) };
}

bool MacroLibrary::setConfig(const QString& name, const QVariantList& config)
{
    if (!exists(name) || config.size() < 2 || !writable(filePath(name)))
        return false;
    QSettings settings(filePath(name), QSettings::IniFormat);
    settings.setValue(kIndexKey, config.at(0).toInt());
    settings.setValue(kRepeatKey, config.at(1).toInt());
    return syncEscaped(settings);
}

// The imported file's index names a mouse slot of wherever it came from, which here may hold
// another macro; the target keeps its own.
bool MacroLibrary::importFrom(const QString& name, const QString& sourcePath)
{
    if (!exists(name) || !readablefile::fits(sourcePath, readablefile::kMacroBytes))
        return false;
    const int ownIndex = index(name);
    return copyReplacing(sourcePath, filePath(name)) && setConfig(name, { ownIndex, repeat(name) });
}

bool MacroLibrary::exportTo(const QString& name, const QString& targetPath) const
{
    return exists(name) && !targetPath.isEmpty() && copyReplacing(filePath(name), targetPath);
}
