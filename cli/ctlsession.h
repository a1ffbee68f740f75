#pragma once

#include "core/mousesettings.h"
#include "device/ms_ht66fb560.h"
#include "store/profilestore.h"

#include <QSettings>
#include <QTemporaryDir>

#include <memory>

class QTextStream;

namespace ctl {

// The store, the mouse and the settings layer over them for one run. A dry run works on a
// copy of the profile file and records the exchanges instead of sending them.
class Session {
public:
    Session(bool dryRun, QTextStream& err);
    ~Session();

    // Detection (not in a dry run); true when a usable mouse answered. A mouse that is there
    // but cannot be opened is told on `err` with the fix, and denied() is set.
    bool connect();
    bool denied() const { return refused; }
    // The macro library's folder; a dry run works on a copy of it.
    QString macroFolder();
    bool connected() const { return store->isConnected(); }
    bool dryRun() const { return dry; }
    // Reads profile n from the mouse, and profile 0's image, which carries the shared colours.
    bool readFromMouse(int n);
    // The profile the mouse (or the file without it) calls current.
    int currentProfile();

    ProfileStore& profiles() { return *store; }
    MouseSettings& settings() { return *mouse; }
    MS_HT66FB560& device() { return dev; }
    QString failedStep() const { return failed; }
    void noteFailure(const QString& step);
    // While edits made without the mouse wait to be settled, a change would overwrite them or
    // be overwritten unasked: names the waiting groups and how to settle them. 0 when none wait
    // (or no mouse is connected), else the exit status.
    int refuseWhileFlagged();
    // The lock stayed with another program: the line a person reads, and the exit status.
    int busy();
    // What the run did, told at the end: dry-run lines, the window's notice, the absent mouse.
    // A change that could not be saved turns the status into kFailed, naming the file.
    int finish(int status, bool changed, QTextStream& out);

private:
    bool dry;
    QTextStream& err;
    QTemporaryDir scratch;
    QSettings* file = nullptr;
    MS_HT66FB560 dev;
    std::unique_ptr<ProfileStore> store;
    std::unique_ptr<MouseSettings> mouse;
    QString failed;
    QString macros;
    bool refused = false;
};

} // namespace ctl
