#include "store/profilefiles.h"

#include "core/readablefile.h"
#include "store/atomiccopy.h"
#include "store/dialogfolder.h"
#include "store/inilist.h"
#include "store/profilelimits.h"
#include "store/profilestore.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace {
const QString kImportKey = QStringLiteral("common/importProfile");

QString tr(const char* text)
{
    return QCoreApplication::translate("myQQuickView", text);
}

QString key(const QString& group, int profile)
{
    return group + QLatin1Char('/') + QString::number(profile);
}

bool sameFile(const QString& a, const QString& b)
{
    const QFileInfo fa(a);
    const QFileInfo fb(b);
    if (fa.exists() && fb.exists())
        return fa.canonicalFilePath() == fb.canonicalFilePath();
    return fa.absoluteFilePath() == fb.absoluteFilePath();
}

// The marker goes through a settings object of its own: it shares the live file's keys, and its
// status tells whether this write reached the disk (the live object's first error sticks).
bool writeMarker(const QSettings& live, int profile)
{
    QSettings marker(live.fileName(), live.format());
    marker.setValue(kImportKey, profile);
    marker.sync();
    return marker.status() != QSettings::AccessError;
}

} // namespace

ProfileFiles::ProfileFiles(ProfileStore& profileStore, const QString& defaults)
    : store(profileStore)
    , defaultsFile(defaults)
{
}

const QStringList& ProfileFiles::groups()
{
    static const QStringList names { QStringLiteral("profile_sw"), QStringLiteral("profile_fw"),
        QStringLiteral("matrix_fw"), QStringLiteral("other_fw") };
    return names;
}

bool ProfileFiles::exportProfile(int profile, QString* written)
{
    const QString proposed
        = dialogfolder::start() + QStringLiteral("/Z4 P%1.pf").arg(profile, 2, 10, QLatin1Char('0'));
    QString path
        = saveChooser ? saveChooser(dialogParent, tr("Save File"), proposed, tr("Profile(*.pf)")) : QString();
    if (path.isEmpty())
        return false;
    dialogfolder::remember(path);
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".pf");
    const QString problem = exportTo(profile, path);
    if (!problem.isEmpty()) {
        qWarning().noquote() << "export:" << problem;
        return false;
    }
    if (written)
        *written = path;
    return true;
}

QString ProfileFiles::exportTo(int profile, const QString& path)
{
    QSettings* live = store.file();
    if (sameFile(path, live->fileName()))
        return tr("%1 is the live profile file").arg(QDir::toNativeSeparators(path));
    if (!writeMarker(*live, profile))
        return tr("cannot write the profile marker to %1").arg(QDir::toNativeSeparators(live->fileName()));
    if (!copyReplacing(live->fileName(), path))
        return tr("cannot write %1").arg(QDir::toNativeSeparators(path));
    return {};
}

QString ProfileFiles::importRefusal(const QString& path, int* source)
{
    const QString why = readablefile::fits(path) ? importProblem(QSettings(path, QSettings::IniFormat), source)
                                                 : tr("The file cannot be read.");
    return why.isEmpty() ? why : QDir::toNativeSeparators(path) + QLatin1Char('\n') + why;
}

// An exported file holds 128 whole numbers per firmware group and at least the four pointer
// settings; anything less would give the profile empty or cut groups, sent to the mouse later.
QString ProfileFiles::importProblem(const QSettings& chosen, int* source)
{
    const QFileInfo file(chosen.fileName());
    if (!file.isFile() || !file.isReadable())
        return tr("The file cannot be read.");
    if (chosen.status() != QSettings::NoError)
        return tr("The file is not a profile file.");
    bool ok = true;
    *source = chosen.value(kImportKey, 0).toInt(&ok);
    if (!ok || !ProfileStore::isProfile(*source))
        return tr("The file names no profile it holds.");
    for (const QString& group : groups()) {
        const QVariantList values = iniList(chosen.value(key(group, *source)));
        const bool pointer = group == QLatin1String("profile_sw");
        if (pointer ? values.size() < 4 : values.size() != ProfileStore::kImageSize)
            return tr("The file lacks part of the profile (%1).").arg(group);
        for (const QVariant& value : values) {
            value.toString().toUInt(&ok);
            if (!ok && !pointer)
                return tr("The file holds a damaged value (%1).").arg(group);
        }
        const QString limit = profilelimits::problem(group, values);
        if (!limit.isEmpty())
            return limit;
    }
    return {};
}

QString ProfileFiles::importProfile(int profile, bool* imported)
{
    if (imported)
        *imported = false;
    const QString path = openChooser
        ? openChooser(dialogParent, tr("Open File"), dialogfolder::start(), tr("Profile(*.pf)"))
        : QString();
    dialogfolder::remember(path);
    const QString problem = path.isEmpty() ? QString() : importFrom(profile, path);
    if (problem.isEmpty() && !path.isEmpty() && imported)
        *imported = ProfileStore::isProfile(profile);
    if (problem.isEmpty())
        store.loadProfiles();
    return problem;
}

QString ProfileFiles::importFrom(int profile, const QString& path)
{
    if (!ProfileStore::isProfile(profile))
        return {};
    QSettings* live = store.file();
    // The chosen file may be the live one: its pending changes must be on disk first.
    live->sync();
    int source = 0;
    const QString refused = importRefusal(path, &source);
    if (!refused.isEmpty())
        return refused;
    const QSettings chosen(path, QSettings::IniFormat);
    for (const QString& group : groups())
        live->setValue(key(group, profile), chosen.value(key(group, source)));
    live->sync();
    store.loadProfiles();
    return {};
}

void ProfileFiles::resetProfile(int profile)
{
    const QSettings defaults(defaultsFile, QSettings::IniFormat);
    QSettings* live = store.file();
    for (const QString& group : groups()) {
        live->setValue(key(group, 0), iniList(defaults.value(key(group, 0))));
        if (ProfileStore::isProfile(profile))
            live->setValue(key(group, profile), iniList(defaults.value(key(group, profile))));
    }
    live->sync();
    store.loadProfiles();
}

QVariantList ProfileFiles::defaultGroup(const QString& group, uchar profileId) const
{
    const QSettings defaults(defaultsFile, QSettings::IniFormat);
    return iniList(defaults.value(key(group, profileId)));
}

namespace {
void stageGroups(ProfileStore& store, const QSettings& source, int from, int into, bool imageOnly)
{
    static const std::pair<const char*, FwGroup> images[] = { { "profile_fw", FwGroup::Profile },
        { "matrix_fw", FwGroup::Matrix }, { "other_fw", FwGroup::Other } };
    for (const auto& [name, group] : images) {
        if (imageOnly && group != FwGroup::Profile)
            continue;
        const QVariantList values = iniList(source.value(key(QLatin1String(name), from)));
        if (!values.isEmpty())
            store.setEntries(group, into, 0, values, ProfileStore::kImageSize);
    }
}
} // namespace

QString ProfileFiles::stageFile(int profile, QString* chosenPath)
{
    const QString path = openChooser
        ? openChooser(dialogParent, tr("Open File"), dialogfolder::start(), tr("Profile(*.pf)"))
        : QString();
    dialogfolder::remember(path);
    if (chosenPath)
        *chosenPath = path;
    if (path.isEmpty() || !ProfileStore::isProfile(profile))
        return {};
    store.file()->sync();
    int source = 0;
    const QString refused = importRefusal(path, &source);
    if (!refused.isEmpty())
        return refused;
    const QSettings chosen(path, QSettings::IniFormat);
    stageGroups(store, chosen, source, profile, false);
    return {};
}

void ProfileFiles::stageDefaults(int profile)
{
    const QSettings defaults(defaultsFile, QSettings::IniFormat);
    stageGroups(store, defaults, 0, 0, true);
    if (ProfileStore::isProfile(profile))
        stageGroups(store, defaults, profile, profile, false);
}
