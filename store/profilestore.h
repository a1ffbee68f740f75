#pragma once

#include <QList>
#include <QString>
#include <QVariant>
#include <QVariantList>

#include <array>

class QSettings;
class MS_HT66FB560;

// The three firmware groups a profile carries, each a 128-entry image.
enum class FwGroup { Profile, Matrix, Other };

// The program's copy of the six on-board profiles, in memory and in the live profile file.
// Only refresh() talks to the mouse (and blocks for it); everything else works on memory and
// the file. A profile number outside 0..5 addresses no image: reads answer 0 or an empty list
// and writes change nothing. Images read from the file hold text entries, images read from the
// mouse numbers; readers convert with toUInt(), so both read alike.
class ProfileStore {
public:
    static constexpr int kProfiles = 6;
    static constexpr int kImageSize = 128;
    static constexpr int kKeySlots = 16; // the key matrix's first 64 entries, 4 per slot
    static constexpr int kSlotBytes = 4;
    static constexpr int kMacroSlots = 100; // device macro ids 1..100
    using Block = std::array<uchar, kImageSize>;
    static inline const QList<FwGroup> kAllGroups { FwGroup::Profile, FwGroup::Matrix, FwGroup::Other };

    // Does not take ownership of `file`, which must outlive the store. Runs the start-up
    // loading (dirty lists and current profile); the images stay empty until refresh().
    explicit ProfileStore(QSettings* file);
    // Flushes the file: pending deferred writes would otherwise be lost at exit.
    ~ProfileStore();
    ProfileStore(const ProfileStore&) = delete;
    ProfileStore& operator=(const ProfileStore&) = delete;

    QSettings* file() const { return profileFile; }

    bool isConnected() const { return connected; }
    void setConnected(bool on) { connected = on; }

    quint8 curProfile() const { return current; }
    // Memory and file at once, device present or not, so the choice survives a restart. A
    // number outside 0..5, from the scene, the mouse or the file, is refused and changes nothing.
    bool setCurProfile(quint8 profile);

    // The stored list as it is (possibly shorter or longer than 128 entries).
    QVariantList image(FwGroup group, int profile) const;
    // The entry converted to an unsigned integer; 0 beyond the end of a short image.
    uint value(FwGroup group, int profile, int index) const;
    // `count` stored entries from `first`; positions beyond the end of a short image give 0.
    QVariantList entries(FwGroup group, int profile, int first, int count) const;
    // Stores up to `count` values of `values` from `first`, as given. A short image is first
    // extended to 128 entries of 0; values that would land past entry 127 are dropped.
    void setEntries(FwGroup group, int profile, int first, const QVariantList& values, int count);
    void setEntry(FwGroup group, int profile, int index, const QVariant& value);
    // The 128 bytes sent to the mouse: each entry's low 8 bits, missing entries 0.
    Block block(FwGroup group, int profile) const;

    // The mouse's macro slots (0..99, id - 1) that a button of any of the six key matrices plays:
    // the slots are one pool for all profiles. Sorted, each once.
    QList<int> macroIndicesInUse() const;

    QVariantList dirtyList(FwGroup group) const;
    // Writes the edited image of `profile` to the file, mouse or not, so that an export, an
    // import and a restart see what the window shows. Without the mouse it also flags the group
    // dirty (the mouse has yet to get the change).
    void markDirty(FwGroup group, int profile);
    // Flags the group of `profile` as not yet on the mouse, with the mouse present or not (a
    // write to it failed).
    void flagDirty(FwGroup group, int profile);

    // True while some group of some profile was edited without the mouse and not yet settled.
    bool hasDirty() const;
    // Settles the edits made without the mouse, which a refresh would otherwise overwrite
    // unasked. With `write`, sends exactly the dirty groups of the dirty profiles (0CH images,
    // 0DH key matrices, 04H stage and 03H rate for the single settings) from the file's copy;
    // either way clears the flags and then refreshes from the mouse. False, with nothing changed,
    // when the store is not connected or the mouse does not answer; false too when a write
    // failed, with the flags of the groups that did not reach the mouse kept and nothing read.
    bool settleDirty(MS_HT66FB560& device, bool write);

    void loadProfiles(); // file -> memory: all six profiles, the current profile, the dirty lists
    void saveProfiles(); // memory -> file, all six profiles
    void saveProfile(int n, const QList<FwGroup>& groups = kAllGroups);

    // Without a mouse (or `device` null) loads the file. With it, re-reads all six profiles in
    // 26 blocking exchanges and rewrites the file. A read that fails keeps what the store held
    // for that block or value (the file's values before the first load), never zeros.
    void refresh(MS_HT66FB560* device);

    // Re-reads the given groups of one profile from the mouse (Profile: 8CH, Matrix: 8DH,
    // Other: 84H, 83H, and 89H for profile 0), keeping the groups edited without the mouse, and
    // writes them to the file. Blocks for one exchange a read. Empty when every read arrived,
    // else the first that failed; a failed read keeps what the store held, as refresh() does.
    QString refreshProfile(MS_HT66FB560& device, int n, const QList<FwGroup>& groups = kAllGroups);

    static QString groupName(FwGroup group);
    static bool isProfile(int profile) { return profile >= 0 && profile < kProfiles; }
    // The profiles a person chooses among (P01..P05); profile 0 holds what they all share.
    static constexpr quint8 kFirstShownProfile = 1;
    static bool isShownProfile(int profile) { return profile >= kFirstShownProfile && profile < kProfiles; }

private:
    std::array<QVariantList, kProfiles>& images(FwGroup group);
    const std::array<QVariantList, kProfiles>& images(FwGroup group) const;
    QVariantList& dirty(FwGroup group);
    void readCurProfile();
    void readMouseCurrent(MS_HT66FB560& device); // 82H
    void loadDirtyList(FwGroup group);
    // The first read that failed ("8CH P02"), empty when all arrived.
    QString readProfile(MS_HT66FB560& device, int profile, const QList<FwGroup>& groups = kAllGroups);
    void readSingles(MS_HT66FB560& device, int profile, QString& failed); // 84H, 83H (89H)
    // Sends profile n's dirty groups; a group that reached the mouse loses its flag.
    bool writeDirty(MS_HT66FB560& device, int n);
    void setDirtyFlag(FwGroup group, int profile, bool on);
    void clearDirty();

    QSettings* profileFile;
    bool connected = false;
    bool loaded = false;
    quint8 current = 0;
    std::array<QVariantList, kProfiles> profileFw;
    std::array<QVariantList, kProfiles> matrixFw;
    std::array<QVariantList, kProfiles> otherFw;
    QVariantList profileFwDirty;
    QVariantList matrixFwDirty;
    QVariantList otherFwDirty;
};
