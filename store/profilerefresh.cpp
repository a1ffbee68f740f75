// Reading all six profiles from the mouse.
#include "store/profilestore.h"

#include "device/exchangelock.h"
#include "device/ms_ht66fb560.h"

#include <QDebug>
#include <QThread>
#include <QSettings>

namespace {
QVariantList toList(const ProfileStore::Block& bytes)
{
    QVariantList out;
    out.reserve(ProfileStore::kImageSize);
    for (uchar b : bytes)
        out.append(int(b));
    return out;
}

void warnKept(const char* what, int profile, QString& failed, const char* command)
{
    qWarning().nospace() << "refresh: reading " << what << " of profile " << profile
                         << " failed, the stored values are kept";
    if (failed.isEmpty())
        failed = QStringLiteral("%1 P%2").arg(QLatin1String(command)).arg(profile, 2, 10, QLatin1Char('0'));
}
} // namespace

void ProfileStore::refresh(MS_HT66FB560* device)
{
    if (!connected || !device) {
        loadProfiles();
        return;
    }
    // A failed read falls back on what the store holds; before the first load that is the file.
    if (!loaded)
        loadProfiles();
    // Each profile is read as one change of its own: z4ctl may change the mouse and the file
    // between two profiles, never within one, and the file is read again before each.
    for (int n = 0; n < kProfiles; ++n) {
        // The lock is polled, not queued: a gap longer than one poll lets a waiting z4ctl in
        // rather than starving it until the whole read is done.
        if (n > 0)
            QThread::msleep(ExchangeLock::kPollMs + 2);
        const ExchangeLock turn;
        if (!turn.held()) {
            qWarning() << "refresh: the mouse is busy with another program; profiles from" << n
                       << "keep the file's values";
            return;
        }
        profileFile->sync();
        loadProfiles();
        if (n == 0)
            readMouseCurrent(*device);
        readProfile(*device, n);
        saveProfile(n);
        profileFile->sync();
    }
}

// A current profile the window cannot show (the factory state names 0) would take every write
// unseen: the mouse is switched to the one the window shows instead.
void ProfileStore::readMouseCurrent(MS_HT66FB560& device)
{
    uchar profile = current;
    if (!device.hid_82H_GetCurrentProfile(profile))
        return;
    if (isShownProfile(profile)) {
        setCurProfile(profile);
        return;
    }
    const quint8 shown = isShownProfile(current) ? current : kFirstShownProfile;
    qWarning() << "refresh: the mouse names profile" << profile << "; it is switched to" << shown;
    setCurProfile(shown);
    device.hid_02H_SetCurrentProfile(shown);
}

bool ProfileStore::hasDirty() const
{
    for (const QVariantList* flags : { &profileFwDirty, &matrixFwDirty, &otherFwDirty })
        for (const QVariant& flag : *flags)
            if (flag.toBool())
                return true;
    return false;
}

bool ProfileStore::settleDirty(MS_HT66FB560& device, bool write)
{
    // A mouse pulled out after the question must be noticed before the flags go.
    uchar profile = current;
    if (!connected || !device.hid_82H_GetCurrentProfile(profile))
        return false;
    // The images must be the file's, which hold the edits, not a previous mouse's.
    if (!loaded)
        loadProfiles();
    bool allSent = true;
    for (int n = 0; write && n < kProfiles; ++n)
        allSent = writeDirty(device, n) && allSent;
    // A group that did not reach the mouse keeps its flag, and the mouse's settings are not
    // read over the edits: the next detection asks again.
    if (!allSent)
        return false;
    clearDirty();
    refresh(&device);
    return true;
}

bool ProfileStore::writeDirty(MS_HT66FB560& device, int n)
{
    const uchar id = uchar(n);
    const auto settle = [this, n](FwGroup group, bool sent) {
        if (sent)
            setDirtyFlag(group, n, false);
        return sent;
    };
    bool ok = true;
    if (profileFwDirty.value(n).toBool()) {
        Block bytes = block(FwGroup::Profile, n);
        ok = settle(FwGroup::Profile, device.hid_0CH_SetFwProfile(id, bytes.data())) && ok;
    }
    if (matrixFwDirty.value(n).toBool()) {
        Block bytes = block(FwGroup::Matrix, n);
        ok = settle(FwGroup::Matrix, device.hid_0DH_SetKeyMatrix(id, bytes.data())) && ok;
    }
    if (otherFwDirty.value(n).toBool()) {
        const bool sent = device.hid_04H_SetDPIStage(uchar(value(FwGroup::Other, n, 0)), id)
            && device.hid_03H_SetReportRate(uchar(value(FwGroup::Other, n, 1)), id);
        ok = settle(FwGroup::Other, sent) && ok;
    }
    return ok;
}

QString ProfileStore::refreshProfile(MS_HT66FB560& device, int n, const QList<FwGroup>& groups)
{
    if (!isProfile(n))
        return {};
    if (!loaded)
        loadProfiles();
    QList<std::pair<FwGroup, QVariantList>> edited;
    for (FwGroup group : groups) {
        if (dirty(group).value(n).toBool())
            edited.append({ group, images(group)[n] });
    }
    const QString failed = readProfile(device, n, groups);
    for (const auto& [group, image] : edited)
        images(group)[n] = image;
    saveProfile(n, groups);
    return failed;
}

QString ProfileStore::readProfile(MS_HT66FB560& device, int n, const QList<FwGroup>& groups)
{
    QString failed;
    const uchar id = uchar(n);
    // Block reads copy whatever arrived even on failure, so they land in a scratch buffer.
    Block scratch {};
    if (groups.contains(FwGroup::Profile)) {
        const bool read = device.hid_8CH_GetFwProfile(id, scratch.data());
        if (!read)
            warnKept("the profile image", n, failed, "8CH");
        profileFw[n] = toList(read ? scratch : block(FwGroup::Profile, n));
    }
    if (groups.contains(FwGroup::Matrix)) {
        const bool read = device.hid_8DH_GetKeyMatrix(id, scratch.data());
        if (!read)
            warnKept("the key matrix", n, failed, "8DH");
        matrixFw[n] = toList(read ? scratch : block(FwGroup::Matrix, n));
    }
    if (groups.contains(FwGroup::Other))
        readSingles(device, n, failed);
    return failed;
}

void ProfileStore::readSingles(MS_HT66FB560& device, int n, QString& failed)
{
    const uchar id = uchar(n);
    Block other {};
    other[0] = uchar(value(FwGroup::Other, n, 0));
    other[1] = uchar(value(FwGroup::Other, n, 1));
    if (n == 0)
        other[2] = uchar(value(FwGroup::Other, 0, 2));
    if (!device.hid_84H_GetDPIStage(other[0], id))
        warnKept("the DPI stage", n, failed, "84H");
    if (!device.hid_83H_GetReportRate(other[1], id))
        warnKept("the report rate", n, failed, "83H");
    if (n == 0 && !device.hid_89H_GetRGBLedTwinkle(other[2]))
        warnKept("the lighting type", n, failed, "89H");
    otherFw[n] = toList(other);
}
