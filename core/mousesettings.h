#pragma once

#include "macro/macrolibrary.h"
#include "store/profilestore.h"

#include <QString>
#include <QVariantList>

#include <functional>
#include <optional>

class MS_HT66FB560;
class ProfileFiles;

// What the window and the command line do to the mouse's settings, one implementation for
// both: every setter changes the store, writes the profile file (flagging the group dirty when
// the mouse is absent), then sends; getters read the store only and never talk to the device.
// Profile numbers are the store's, 0..5; a number outside addresses nothing.
class MouseSettings {
public:
    // Entries of the firmware images this program edits.
    static constexpr int kDpiIoFirst = 16; // profile 0 only
    static constexpr int kLedColorFirst = 24; // profile 0 only
    static constexpr int kMaxStageEntry = 70;
    static constexpr int kEffectFirst = 71; // effect, brightness, speed
    static constexpr int kDpiStageFirst = 84;
    static constexpr int kDpiColorFirst = 104;
    static constexpr int kStageEntry = 0; // single settings
    static constexpr int kRateEntry = 1;
    static constexpr int kLightingEntry = 2;

    // Told of every write: whether it reached the mouse, and the step ("0CH P02").
    using WriteObserver = std::function<void(bool sent, const QString& step)>;

    explicit MouseSettings(ProfileStore& store, MS_HT66FB560* device = nullptr);

    void setDevice(MS_HT66FB560* dev) { device = dev; }
    MS_HT66FB560* currentDevice() const { return device; }
    void setWriteObserver(WriteObserver observer) { onWrite = std::move(observer); }
    ProfileStore& profileStore() { return store; }
    // The macro files buttons play; without it no macro is placed or sent.
    void setMacroLibrary(const QString& folder) { macros.emplace(folder); }

    // Memory and file; 02H when a device is set. False for a number outside 0..5.
    bool selectProfile(int profile);
    bool setReportRate(int profile, uchar rate);
    bool setDpiStage(int profile, uchar stage);
    bool setLedEffect(int profile, uchar effect, uchar light, uchar speed);
    bool setDpiColors(int profile, const QVariantList& src24);
    bool setDpiIo(const QVariantList& src8);
    bool setDpiStages(int profile, const QVariantList& src16);
    bool setKeyMatrix(int profile, const QVariantList& src64);
    bool setLedColors(const QVariantList& src24);

    enum class MacroRefusal { None, BadId, BadRepeat, TooLong, NoPlace, NoFile, NotSent };
    // Encodes the library's macro and sends it to slot `id` (1..100). Refused before anything
    // is sent for an id the mouse lacks, a repeat count beyond 16 bits or a macro longer than
    // the block; `sent` then stays untouched.
    MacroRefusal sendMacro(int id, const QString& name, const MacroLibrary& library, bool* sent = nullptr);
    // Gives macro file `name` a slot of the mouse for a button that is to play it: files no
    // stored matrix nor `pending` (the unapplied 64 entries, of `pendingProfile` when it replaces
    // that profile's stored matrix) plays let go of their slots first, the file keeps its own
    // slot or takes the lowest free one, and its bytes reach the mouse at once, or, with the
    // mouse absent, before the next key matrix. On a refusal (NotSent: the mouse did not take
    // it) the file's config stays as it was and `bytes` is untouched; else `bytes` is what the
    // button's slot holds.
    MacroRefusal placeMacro(const QString& name, int mode, int count, const QVariantList& pending,
        int pendingProfile, QVariantList* bytes);
    // A button of a stored matrix takes a macro: placeMacro(), then setKeySlot().
    MacroRefusal assignMacro(int profile, int slot, const QString& name, int mode, int count);
    // After an unapplied matrix changed or was dropped, and after every stored one: the files
    // nothing plays let go of their slots.
    void releaseMacros(const QVariantList& pending = {});
    // A macro file's content changed (saved, imported): while it has a slot, the mouse gets
    // it again now, or before the next key matrix.
    void macroChanged(const QString& name);
    void macroRenamed(const QString& oldName, const QString& newName);
    // The macros still owed to the mouse; false when one did not reach it.
    bool sendUnsentMacros();
    // One button's four bytes into the key matrix, sent as setKeyMatrix() sends.
    bool setKeySlot(int profile, int slot, const QVariantList& four);

    // The active stage K (1-based) is refused, with nothing changed, for a cell past the
    // profile's stage count or one that is "x".
    bool setActiveStage(int profile, int stage);
    // DPI values <-> the stage table, `base` the model's DPI step.
    bool setDpiStageValues(int profile, const QVariantList& dpis, int base);
    QVariantList dpiStageValues(int profile, int base) const;
    // Effect id and slider positions 0..7; -1 keeps the stored value. False for an unknown
    // effect, or a speed or brightness the effect does not use.
    bool setLighting(int profile, int effect, int speedIndex, int brightnessIndex);
    // The [effect, brightness, speed] bytes setLighting would store; empty where it refuses.
    QVariantList lightingBytes(int profile, int effect, int speedIndex, int brightnessIndex) const;
    // [effect id, speed position, brightness position].
    QVariantList lighting(int profile) const;
    // The indicator's eight colours as the mouse shows them (24 numbers).
    QVariantList indicatorColors(int profile) const;
    // Back to the factory settings: profile `profile` and profile 0's shared entries, keeping
    // what the mouse reports of itself (its lighting type).
    void resetProfile(ProfileFiles& files, int profile);
    // The whole stored profile to the mouse (after an import or a reset), macros first.
    void sendWholeProfile(int profile);

    uint maxDpiStage(int profile) const;
    uchar reportRate(int profile) const;
    uchar dpiStage(int profile) const;
    uchar lightingType() const;
    QVariantList ledEffect(int profile) const;
    QVariantList dpiColors(int profile) const;
    QVariantList dpiIo() const;
    // The stage table as the window shows it (a stored 0xCF reads 0x9F); never sent back.
    QVariantList dpiStages(int profile) const;
    QVariantList ledColors() const;
    QVariantList keySlot(int profile, int slot) const;

private:
    // The mouse while the store counts it as connected: while edits made without it wait for
    // the person's answer, nothing reaches it around that question.
    MS_HT66FB560* live() const { return store.isConnected() ? device : nullptr; }
    bool editImage(FwGroup group, int profile, int first, const QVariantList& values, int count);
    bool sendImage(FwGroup group, int profile);
    bool editSingle(int profile, int entry, uchar value);
    bool noteWrite(bool sent, FwGroup group, int profile, const QString& command);

    bool present() const;
    bool uploadMacro(int index, const QString& name);

    ProfileStore& store;
    MS_HT66FB560* device;
    std::optional<MacroLibrary> macros;
    WriteObserver onWrite;
};
