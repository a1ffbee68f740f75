#include "core/mousesettings.h"

#include "core/keyfunctions.h"
#include "core/keyslots.h"
#include "core/macropool.h"
#include "core/mousevalues.h"
#include "device/ms_ht66fb560.h"
#include "macro/macroencoder.h"
#include "macro/macrolibrary.h"
#include "store/profilefiles.h"

namespace {
constexpr uint kStoredEightColor = 8; // read back as 7
constexpr int kMatrixEntries = ProfileStore::kKeySlots * ProfileStore::kSlotBytes;

QString step(const char* command, int profile)
{
    return QStringLiteral("%1 P%2").arg(QLatin1String(command)).arg(profile, 2, 10, QLatin1Char('0'));
}
} // namespace

MouseSettings::MouseSettings(ProfileStore& profileStore, MS_HT66FB560* dev)
    : store(profileStore)
    , device(dev)
{
}

bool MouseSettings::selectProfile(int profile)
{
    if (!ProfileStore::isProfile(profile) || !store.setCurProfile(quint8(profile)))
        return false;
    // Not reported to the observer: switching profiles says nothing in the window.
    return !live() || live()->hid_02H_SetCurrentProfile(uchar(profile));
}

// A write that did not reach a present mouse keeps its group flagged, so the change is offered
// to the mouse again instead of being replaced by the mouse's settings at the next read.
bool MouseSettings::noteWrite(bool sent, FwGroup group, int profile, const QString& command)
{
    if (!sent && store.isConnected() && profile >= 0)
        store.flagDirty(group, profile);
    if (onWrite)
        onWrite(sent, command);
    return sent;
}

bool MouseSettings::editSingle(int profile, int entry, uchar value)
{
    if (!ProfileStore::isProfile(profile))
        return false;
    store.setEntry(FwGroup::Other, profile, entry, int(value));
    store.markDirty(FwGroup::Other, profile);
    const bool rate = entry == kRateEntry;
    MS_HT66FB560* mouse = live();
    const bool sent = mouse
        && (rate ? mouse->hid_03H_SetReportRate(value, uchar(profile))
                 : mouse->hid_04H_SetDPIStage(value, uchar(profile)));
    return noteWrite(sent, FwGroup::Other, profile, step(rate ? "03H" : "04H", profile));
}

bool MouseSettings::setReportRate(int profile, uchar rate)
{
    return editSingle(profile, kRateEntry, rate);
}

bool MouseSettings::setDpiStage(int profile, uchar stage)
{
    return editSingle(profile, kStageEntry, stage);
}

bool MouseSettings::editImage(FwGroup group, int profile, int first, const QVariantList& values, int count)
{
    if (!ProfileStore::isProfile(profile))
        return false;
    store.setEntries(group, profile, first, values, count);
    store.markDirty(group, profile);
    return sendImage(group, profile);
}

bool MouseSettings::sendImage(FwGroup group, int profile)
{
    ProfileStore::Block bytes = store.block(group, profile);
    const bool matrix = group == FwGroup::Matrix;
    // A macro a button is to play reaches the mouse before the matrix that plays it.
    if (matrix)
        sendUnsentMacros();
    MS_HT66FB560* mouse = live();
    const bool sent = mouse
        && (matrix ? mouse->hid_0DH_SetKeyMatrix(uchar(profile), bytes.data())
                   : mouse->hid_0CH_SetFwProfile(uchar(profile), bytes.data()));
    return noteWrite(sent, group, profile, step(matrix ? "0DH" : "0CH", profile));
}

bool MouseSettings::setLedEffect(int profile, uchar effect, uchar light, uchar speed)
{
    return editImage(FwGroup::Profile, profile, kEffectFirst, { int(effect), int(light), int(speed) }, 3);
}

bool MouseSettings::setDpiColors(int profile, const QVariantList& src24)
{
    return editImage(FwGroup::Profile, profile, kDpiColorFirst, src24, 24);
}

bool MouseSettings::setDpiIo(const QVariantList& src8)
{
    return editImage(FwGroup::Profile, 0, kDpiIoFirst, src8, 8);
}

bool MouseSettings::setDpiStages(int profile, const QVariantList& src16)
{
    return editImage(FwGroup::Profile, profile, kDpiStageFirst, src16, 16);
}

bool MouseSettings::setKeyMatrix(int profile, const QVariantList& src64)
{
    const bool sent = editImage(FwGroup::Matrix, profile, 0, src64, kMatrixEntries);
    releaseMacros();
    return sent;
}

bool MouseSettings::setLedColors(const QVariantList& src24)
{
    return editImage(FwGroup::Profile, 0, kLedColorFirst, src24, 24);
}

// A cut block could end between a key's press and its release, leaving the key held.
MouseSettings::MacroRefusal MouseSettings::sendMacro(
    int id, const QString& name, const MacroLibrary& library, bool* sent)
{
    if (id < 1 || id > ProfileStore::kMacroSlots)
        return MacroRefusal::BadId;
    const int repeat = library.repeat(name);
    if (repeat < 0 || repeat > 0xFFFF)
        return MacroRefusal::BadRepeat;
    const QList<uchar> stream = MacroEncoder::encode(library.lines(name));
    if (stream.size() > MacroEncoder::kBlockSize)
        return MacroRefusal::TooLong;
    MacroEncoder::Block block = MacroEncoder::deviceBlock(stream, repeat);
    const bool ok = noteWrite(live() && live()->hid_0FH_SetMacroKey(uchar(id), block.data()), FwGroup::Other,
        -1, QStringLiteral("0FH %1").arg(id, 2, 10, QLatin1Char('0')));
    if (sent)
        *sent = ok;
    return MacroRefusal::None;
}

bool MouseSettings::setKeySlot(int profile, int slot, const QVariantList& four)
{
    if (slot < 0 || slot >= ProfileStore::kKeySlots)
        return false;
    QVariantList matrix = store.entries(FwGroup::Matrix, profile, 0, kMatrixEntries);
    for (int i = 0; i < ProfileStore::kSlotBytes; ++i)
        matrix[slot * ProfileStore::kSlotBytes + i] = four.value(i, 0);
    return setKeyMatrix(profile, matrix);
}

bool MouseSettings::present() const
{
    return device && store.isConnected();
}

bool MouseSettings::uploadMacro(int index, const QString& name)
{
    bool sent = false;
    return sendMacro(index + 1, name, *macros, &sent) == MacroRefusal::None && sent;
}

MouseSettings::MacroRefusal MouseSettings::placeMacro(const QString& name, int mode, int count,
    const QVariantList& pending, int pendingProfile, QVariantList* bytes)
{
    if (!macros || !macros->exists(name))
        return MacroRefusal::NoFile;
    if (mode < 0 || mode > 2 || count < 0 || count > 0xFFFF)
        return MacroRefusal::BadRepeat;
    MacroPool pool(store, *macros);
    pool.release(pending, pendingProfile);
    const int index = pool.placeFor(name, pool.played(pending, pendingProfile));
    if (index < 0)
        return MacroRefusal::NoPlace;
    const QVariantList config = macros->config(name);
    macros->setConfig(name, { index, count });
    if (MacroEncoder::encode(macros->lines(name)).size() > MacroEncoder::kBlockSize) {
        macros->setConfig(name, config);
        return MacroRefusal::TooLong;
    }
    if (present() && !uploadMacro(index, name)) {
        macros->setConfig(name, config);
        return MacroRefusal::NotSent;
    }
    pool.setHolder(index, name);
    pool.setUnsent(index, !present());
    if (bytes)
        *bytes = { 0x09, mode, index + 1, 0 };
    return MacroRefusal::None;
}

MouseSettings::MacroRefusal MouseSettings::assignMacro(
    int profile, int slot, const QString& name, int mode, int count)
{
    if (!ProfileStore::isProfile(profile) || slot < 0 || slot >= ProfileStore::kKeySlots)
        return MacroRefusal::BadId;
    QVariantList matrix = store.entries(FwGroup::Matrix, profile, 0, kMatrixEntries);
    for (int i = 0; i < ProfileStore::kSlotBytes; ++i)
        matrix[slot * ProfileStore::kSlotBytes + i] = 0;
    QVariantList bytes;
    const MacroRefusal refusal = placeMacro(name, mode, count, matrix, profile, &bytes);
    if (refusal == MacroRefusal::None)
        setKeySlot(profile, slot, bytes);
    return refusal;
}

void MouseSettings::releaseMacros(const QVariantList& pending)
{
    if (macros)
        MacroPool(store, *macros).release(pending);
}

void MouseSettings::macroChanged(const QString& name)
{
    if (!macros)
        return;
    MacroPool pool(store, *macros);
    const int index = macros->index(name);
    // A slot given out before slots had holders belongs to the file while a button plays it.
    const QString owner = pool.holder(index);
    if (index < 0 || index >= ProfileStore::kMacroSlots
        || !(owner == name || (owner.isEmpty() && pool.played().contains(index))))
        return;
    pool.setUnsent(index, !(device && uploadMacro(index, name)));
}

void MouseSettings::macroRenamed(const QString& oldName, const QString& newName)
{
    if (macros)
        MacroPool(store, *macros).renameHolder(oldName, newName);
}

bool MouseSettings::sendUnsentMacros()
{
    if (!macros || !device)
        return true;
    MacroPool pool(store, *macros);
    bool allSent = true;
    for (int index : pool.unsent()) {
        const QString name = pool.holder(index);
        // A file deleted or moved to another slot since owes this slot nothing.
        const bool owed = macros->exists(name) && macros->index(name) == index;
        const bool sent = !owed || uploadMacro(index, name);
        pool.setUnsent(index, !sent);
        allSent = allSent && sent;
    }
    return allSent;
}

bool MouseSettings::setActiveStage(int profile, int stage)
{
    const QVariantList codes = store.entries(FwGroup::Profile, profile, kDpiStageFirst, mousevalues::kStages);
    if (!ProfileStore::isProfile(profile)
        || !mousevalues::activeStageAllowed(stage, codes, maxDpiStage(profile)))
        return false;
    return setDpiStage(profile, uchar(stage));
}

bool MouseSettings::setDpiStageValues(int profile, const QVariantList& dpis, int base)
{
    return setDpiStages(profile, mousevalues::stageCodes(dpis, base));
}

QVariantList MouseSettings::dpiStageValues(int profile, int base) const
{
    return mousevalues::stageDpis(store.entries(FwGroup::Profile, profile, kDpiStageFirst, 16), base);
}

bool MouseSettings::setLighting(int profile, int effect, int speedIndex, int brightnessIndex)
{
    const QVariantList bytes = lightingBytes(profile, effect, speedIndex, brightnessIndex);
    return !bytes.isEmpty()
        && setLedEffect(
            profile, uchar(bytes.at(0).toUInt()), uchar(bytes.at(1).toUInt()), uchar(bytes.at(2).toUInt()));
}

QVariantList MouseSettings::lightingBytes(int profile, int effect, int speedIndex, int brightnessIndex) const
{
    if (effect < 0 || effect >= keyfunctions::effectNames().size()
        || (speedIndex >= 0 && !mousevalues::effectUsesSpeed(effect))
        || (brightnessIndex >= 0 && !mousevalues::effectUsesBrightness(effect)))
        return {};
    const QVariantList now = lighting(profile);
    const int speed = speedIndex >= 0 ? speedIndex : now.at(1).toInt();
    const uchar light = brightnessIndex >= 0
        ? keyfunctions::brightnessValue(brightnessIndex)
        : uchar(store.value(FwGroup::Profile, profile, kEffectFirst + 1));
    return { effect, int(light), int(keyfunctions::speedValue(effect, speed)) };
}

QVariantList MouseSettings::lighting(int profile) const
{
    const int effect = int(store.value(FwGroup::Profile, profile, kEffectFirst));
    return { effect,
        keyfunctions::speedIndex(effect, store.value(FwGroup::Profile, profile, kEffectFirst + 2)),
        keyfunctions::brightnessIndex(store.value(FwGroup::Profile, profile, kEffectFirst + 1)) };
}

QVariantList MouseSettings::indicatorColors(int profile) const
{
    return mousevalues::indicatorColors(lightingType(), dpiIo(), dpiColors(profile));
}

void MouseSettings::resetProfile(ProfileFiles& files, int profile)
{
    const uint type = lightingType();
    files.resetProfile(profile);
    // The lighting type is what the mouse is, not a setting: the defaults' value would make
    // the sensor page show another indicator.
    store.setEntry(FwGroup::Other, 0, kLightingEntry, int(type));
    store.saveProfile(0, { FwGroup::Other });
}

void MouseSettings::sendWholeProfile(int profile)
{
    if (!present()) {
        for (FwGroup group : ProfileStore::kAllGroups)
            store.markDirty(group, profile);
        return;
    }
    sendImage(FwGroup::Profile, profile);
    sendImage(FwGroup::Matrix, profile);
    editSingle(profile, kStageEntry, dpiStage(profile));
    editSingle(profile, kRateEntry, reportRate(profile));
}

uint MouseSettings::maxDpiStage(int profile) const
{
    return store.value(FwGroup::Profile, profile, kMaxStageEntry);
}

uchar MouseSettings::reportRate(int profile) const
{
    return uchar(store.value(FwGroup::Other, profile, kRateEntry));
}

uchar MouseSettings::dpiStage(int profile) const
{
    return uchar(store.value(FwGroup::Other, profile, kStageEntry));
}

uchar MouseSettings::lightingType() const
{
    return uchar(store.value(FwGroup::Other, 0, kLightingEntry));
}

QVariantList MouseSettings::ledEffect(int profile) const
{
    return store.entries(FwGroup::Profile, profile, kEffectFirst, 3);
}

QVariantList MouseSettings::dpiColors(int profile) const
{
    return store.entries(FwGroup::Profile, profile, kDpiColorFirst, 24);
}

QVariantList MouseSettings::dpiIo() const
{
    QVariantList indices = store.entries(FwGroup::Profile, 0, kDpiIoFirst, 8);
    for (QVariant& index : indices) {
        if (index.toUInt() == kStoredEightColor)
            index = int(kStoredEightColor - 1);
    }
    return indices;
}

QVariantList MouseSettings::dpiStages(int profile) const
{
    QVariantList codes;
    for (const QVariant& entry : store.entries(FwGroup::Profile, profile, kDpiStageFirst, 16)) {
        const uint code = entry.toUInt();
        codes.append(code == mousevalues::kStageTopWire ? mousevalues::kStageTopRead : code);
    }
    return codes;
}

QVariantList MouseSettings::ledColors() const
{
    return store.entries(FwGroup::Profile, 0, kLedColorFirst, 24);
}

// A slot beyond the list (bad index, short or not yet loaded matrix) gives no definition.
QVariantList MouseSettings::keySlot(int profile, int slot) const
{
    const QVariantList matrix = store.image(FwGroup::Matrix, profile);
    if (slot < 0 || slot >= matrix.size() / ProfileStore::kSlotBytes)
        return {};
    return matrix.mid(slot * ProfileStore::kSlotBytes, ProfileStore::kSlotBytes);
}
