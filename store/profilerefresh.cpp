// Reading all six profiles from the mouse.
#include "store/profilestore.h"

#include "device/ms_ht66fb560.h"

#include <QDebug>

namespace {
QVariantList toList(const ProfileStore::Block& bytes)
{
    QVariantList out;
    out.reserve(ProfileStore::kImageSize);
    for (uchar b : bytes)
        out.append(int(b));
    return out;
}

void warnKept(const char* what, int profile)
{
    qWarning().nospace() << "refresh: reading " << what << " of profile " << profile
                         << " failed, the stored values are kept";
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
    uchar profile = current;
    device->hid_82H_GetCurrentProfile(profile);
    if (profile != current && !setCurProfile(profile))
        qWarning() << "refresh: the mouse names profile" << profile << "; the current one is kept";
    for (int n = 0; n < kProfiles; ++n)
        readProfile(*device, n);
    saveProfiles();
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

void ProfileStore::readProfile(MS_HT66FB560& device, int n)
{
    const uchar id = uchar(n);
    Block image = block(FwGroup::Profile, n);
    Block matrix = block(FwGroup::Matrix, n);
    Block other {};
    other[0] = uchar(value(FwGroup::Other, n, 0));
    other[1] = uchar(value(FwGroup::Other, n, 1));
    if (n == 0)
        other[2] = uchar(value(FwGroup::Other, 0, 2));

    // Block reads copy whatever arrived even on failure, so they land in a scratch buffer.
    Block scratch {};
    if (device.hid_8CH_GetFwProfile(id, scratch.data()))
        image = scratch;
    else
        warnKept("the profile image", n);
    if (device.hid_8DH_GetKeyMatrix(id, scratch.data()))
        matrix = scratch;
    else
        warnKept("the key matrix", n);
    if (!device.hid_84H_GetDPIStage(other[0], id))
        warnKept("the DPI stage", n);
    if (!device.hid_83H_GetReportRate(other[1], id))
        warnKept("the report rate", n);
    if (n == 0 && !device.hid_89H_GetRGBLedTwinkle(other[2]))
        warnKept("the lighting type", n);

    profileFw[n] = toList(image);
    matrixFw[n] = toList(matrix);
    otherFw[n] = toList(other);
}
