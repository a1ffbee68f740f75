#pragma once

#include "device/exchangelock.h"

#include <QString>

#include <functional>
#include <optional>

class ProfileStore;
class MS_HT66FB560;

// One whole change of the mouse's settings, taking turns with every other process of the user
// (the window, z4ctl, the profile switcher): take the per-user lock, read the shared profile
// file again, change, write the mouse, write the file, let go, tell the others. Nothing waits on
// another process past the lock's deadline; a change that finds the mouse busy changes nothing.
class Transaction {
public:
    // Takes the lock, waiting at most `waitMs`, and then reloads the store from the file, which
    // another process may have changed since the store last read it.
    explicit Transaction(ProfileStore& store, int waitMs = ExchangeLock::kWaitMs);
    // Lets go without telling anyone, when finish() was not called.
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    // False when another process kept the mouse past the deadline: the change must not start.
    bool held() const { return lock && lock->held(); }
    // Writes the file, lets go and, when something changed, tells the others.
    void finish(bool changed);

    // Who hears of a finished change (z4ctl: the window's notice); set once at start.
    static void setTeller(std::function<void()> tell);
    // What a person is told when the mouse stayed busy, in English (the window's packs have it).
    static QString busyText();

private:
    ProfileStore& store;
    std::optional<ExchangeLock> lock;
};

namespace transaction {

enum class Result { Done, Busy, Failed, Refused };

// Makes `profile` (0..5) the mouse's current one as one transaction, in the file too. `device`
// is used only while the store is connected; without it the choice is kept in the file. Busy
// changes nothing; Failed: the mouse did not take it (the file keeps it); Refused: no such
// profile. What z4ctl, the window and the profile switcher call.
Result selectProfile(ProfileStore& store, MS_HT66FB560* device, int profile);

} // namespace transaction
