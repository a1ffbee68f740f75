#pragma once

#include "store/profilestore.h"

#include <QString>
#include <QVariantList>

#include <functional>

class MS_HT66FB560;
class MacroLibrary;

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

    enum class MacroRefusal { None, BadId, BadRepeat, TooLong, NoPlace };
    // Encodes the library's macro and sends it to slot `id` (1..100). Refused before anything
    // is sent for an id the mouse lacks, a repeat count beyond 16 bits or a macro longer than
    // the block; `sent` then stays untouched.
    MacroRefusal sendMacro(int id, const QString& name, const MacroLibrary& library, bool* sent = nullptr);
    // A button takes a macro as on the key page: the button's own macro stops counting as used,
    // a file without a place on the mouse takes the lowest free one (NoPlace when all are in
    // use), and the macro reaches the mouse before the button that plays it. On a refusal the
    // button and the file's place stay as they were.
    MacroRefusal assignMacro(
        int profile, int slot, const QString& name, int mode, int count, MacroLibrary& library);
    // One button's four bytes into the key matrix, sent as setKeyMatrix() sends.
    bool setKeySlot(int profile, int slot, const QVariantList& four);

    uint maxDpiStage(int profile) const;
    uchar reportRate(int profile) const;
    uchar dpiStage(int profile) const;
    uchar lightingType() const;
    QVariantList ledEffect(int profile) const;
    QVariantList dpiColors(int profile) const;
    QVariantList dpiIo() const;
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

    ProfileStore& store;
    MS_HT66FB560* device;
    WriteObserver onWrite;
};
