#include "store/profilestore.h"

#include "store/inilist.h"

#include <QSettings>

#include <algorithm>

namespace {
const QString kCurProfileKey = QStringLiteral("common/curProfile");

QString imageKey(FwGroup group, int profile)
{
    return ProfileStore::groupName(group) + QLatin1Char('/') + QString::number(profile);
}

QString dirtyKey(FwGroup group)
{
    return ProfileStore::groupName(group) + QStringLiteral("/dirty");
}
} // namespace

ProfileStore::ProfileStore(QSettings* file)
    : profileFile(file)
{
    loadDirtyList(FwGroup::Profile);
    loadDirtyList(FwGroup::Matrix);
    loadDirtyList(FwGroup::Other);
    readCurProfile();
}

ProfileStore::~ProfileStore()
{
    profileFile->sync();
}

// A damaged value would leave every page pointing at no profile, so it is refused like any
// other number outside 0..5: the current profile stays (0 at start-up). Absent means 0.
void ProfileStore::readCurProfile()
{
    bool ok = false;
    const uint profile = profileFile->value(kCurProfileKey, 0).toUInt(&ok);
    if (ok && isProfile(int(profile)))
        current = quint8(profile);
}

QString ProfileStore::groupName(FwGroup group)
{
    switch (group) {
    case FwGroup::Profile:
        return QStringLiteral("profile_fw");
    case FwGroup::Matrix:
        return QStringLiteral("matrix_fw");
    case FwGroup::Other:
        break;
    }
    return QStringLiteral("other_fw");
}

void ProfileStore::loadDirtyList(FwGroup group)
{
    QVariantList flags = iniList(profileFile->value(dirtyKey(group)));
    if (flags.size() != kProfiles) {
        while (flags.size() < kProfiles)
            flags.append(false);
        for (int n = 0; n < kProfiles; ++n)
            flags[n] = false;
    }
    dirty(group) = flags;
}

bool ProfileStore::setCurProfile(quint8 profile)
{
    if (!isProfile(profile))
        return false;
    current = profile;
    profileFile->setValue(kCurProfileKey, profile);
    return true;
}

std::array<QVariantList, ProfileStore::kProfiles>& ProfileStore::images(FwGroup group)
{
    switch (group) {
    case FwGroup::Profile:
        return profileFw;
    case FwGroup::Matrix:
        return matrixFw;
    case FwGroup::Other:
        break;
    }
    return otherFw;
}

const std::array<QVariantList, ProfileStore::kProfiles>& ProfileStore::images(FwGroup group) const
{
    return const_cast<ProfileStore*>(this)->images(group);
}

QVariantList& ProfileStore::dirty(FwGroup group)
{
    switch (group) {
    case FwGroup::Profile:
        return profileFwDirty;
    case FwGroup::Matrix:
        return matrixFwDirty;
    case FwGroup::Other:
        break;
    }
    return otherFwDirty;
}

QVariantList ProfileStore::image(FwGroup group, int profile) const
{
    if (!isProfile(profile))
        return {};
    return images(group)[profile];
}

uint ProfileStore::value(FwGroup group, int profile, int index) const
{
    if (!isProfile(profile))
        return 0;
    const QVariantList& img = images(group)[profile];
    return index >= 0 && index < img.size() ? img.at(index).toUInt() : 0;
}

QVariantList ProfileStore::entries(FwGroup group, int profile, int first, int count) const
{
    const QVariantList img = image(group, profile);
    QVariantList out;
    for (int i = first; i < first + count; ++i)
        out.append(i >= 0 && i < img.size() ? img.at(i) : QVariant(0));
    return out;
}

void ProfileStore::setEntries(FwGroup group, int profile, int first, const QVariantList& values, int count)
{
    if (!isProfile(profile))
        return;
    QVariantList& img = images(group)[profile];
    while (img.size() < kImageSize)
        img.append(0);
    const int n = qMin(count, int(values.size()));
    for (int i = 0; i < n; ++i) {
        const int at = first + i;
        if (at >= 0 && at < kImageSize)
            img[at] = values.at(i);
    }
}

void ProfileStore::setEntry(FwGroup group, int profile, int index, const QVariant& value)
{
    setEntries(group, profile, index, QVariantList { value }, 1);
}

ProfileStore::Block ProfileStore::block(FwGroup group, int profile) const
{
    Block bytes {};
    const QVariantList img = image(group, profile);
    for (int i = 0; i < kImageSize && i < img.size(); ++i)
        bytes[i] = uchar(img.at(i).toUInt() & 0xFF);
    return bytes;
}

QList<int> ProfileStore::macroIndicesInUse() const
{
    constexpr uint kMacroType = 0x09;
    QList<int> used;
    for (int n = 0; n < kProfiles; ++n) {
        const Block matrix = block(FwGroup::Matrix, n);
        for (int at = 0; at < kKeySlots * kSlotBytes; at += kSlotBytes) {
            const int id = matrix[at + 2];
            if (matrix[at] == kMacroType && matrix[at + 3] == 0 && id >= 1 && id <= kMacroSlots)
                used.append(id - 1);
        }
    }
    std::sort(used.begin(), used.end());
    used.erase(std::unique(used.begin(), used.end()), used.end());
    return used;
}

QVariantList ProfileStore::dirtyList(FwGroup group) const
{
    return const_cast<ProfileStore*>(this)->dirty(group);
}

void ProfileStore::markDirty(FwGroup group, int profile)
{
    if (!isProfile(profile))
        return;
    profileFile->setValue(imageKey(group, profile), images(group)[profile]);
    if (!connected)
        flagDirty(group, profile);
}

void ProfileStore::flagDirty(FwGroup group, int profile)
{
    if (isProfile(profile))
        setDirtyFlag(group, profile, true);
}

void ProfileStore::setDirtyFlag(FwGroup group, int profile, bool on)
{
    QVariantList& flags = dirty(group);
    flags[profile] = on;
    profileFile->setValue(dirtyKey(group), flags);
}

void ProfileStore::clearDirty()
{
    for (FwGroup group : { FwGroup::Profile, FwGroup::Matrix, FwGroup::Other }) {
        QVariantList& flags = dirty(group);
        for (QVariant& flag : flags)
            flag = false;
        profileFile->setValue(dirtyKey(group), flags);
    }
}

void ProfileStore::loadProfiles()
{
    // Another process (the command line, the window) may have changed the file since.
    for (FwGroup group : { FwGroup::Profile, FwGroup::Matrix, FwGroup::Other })
        loadDirtyList(group);
    readCurProfile();
    for (int n = 0; n < kProfiles; ++n) {
        for (FwGroup group : { FwGroup::Profile, FwGroup::Matrix, FwGroup::Other })
            images(group)[n] = iniList(profileFile->value(imageKey(group, n)));
    }
    loaded = true;
}

void ProfileStore::saveProfiles()
{
    for (int n = 0; n < kProfiles; ++n)
        saveProfile(n);
}

void ProfileStore::saveProfile(int n, const QList<FwGroup>& groups)
{
    for (FwGroup group : groups)
        profileFile->setValue(imageKey(group, n), images(group)[n]);
}
