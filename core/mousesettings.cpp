#include "core/mousesettings.h"

#include "device/ms_ht66fb560.h"
#include "macro/macroencoder.h"
#include "macro/macrolibrary.h"

namespace {
constexpr uint kStoredStageMax = 207; // read back as kShownStageMax
constexpr uint kShownStageMax = 159;
constexpr uint kStoredEightColor = 8; // read back as 7
constexpr int kMatrixEntries = ProfileStore::kKeySlots * ProfileStore::kSlotBytes;
constexpr int kMacroType = 0x09;

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
    return editImage(FwGroup::Matrix, profile, 0, src64, kMatrixEntries);
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

MouseSettings::MacroRefusal MouseSettings::assignMacro(
    int profile, int slot, const QString& name, int mode, int count, MacroLibrary& library)
{
    if (!ProfileStore::isProfile(profile) || slot < 0 || slot >= ProfileStore::kKeySlots)
        return MacroRefusal::BadId;
    const int at = slot * ProfileStore::kSlotBytes;
    const QVariantList before = store.entries(FwGroup::Matrix, profile, at, ProfileStore::kSlotBytes);
    store.setEntries(FwGroup::Matrix, profile, at, { 0, 0, 0, 0 }, ProfileStore::kSlotBytes);
    const QList<int> used = store.macroIndicesInUse();
    store.setEntries(FwGroup::Matrix, profile, at, before, ProfileStore::kSlotBytes);
    int index = library.index(name);
    for (int free = 0; index < 0 && free < ProfileStore::kMacroSlots; ++free) {
        if (!used.contains(free))
            index = free;
    }
    if (index < 0)
        return MacroRefusal::NoPlace;
    const QVariantList config = library.config(name);
    library.setConfig(name, { index, count });
    const MacroRefusal refusal = sendMacro(index + 1, name, library);
    if (refusal != MacroRefusal::None) {
        library.setConfig(name, config);
        return refusal;
    }
    setKeySlot(profile, slot, { kMacroType, mode, index + 1, 0 });
    return MacroRefusal::None;
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
        codes.append(code == kStoredStageMax ? kShownStageMax : code);
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
