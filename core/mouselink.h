#pragma once

#include <QString>

class MS_HT66FB560;

// What the window and the command line share about reaching the mouse and each other.
namespace mouselink {

// The per-user lock every exchange with the mouse takes (ExchangeLock); empty without a
// private runtime folder.
QString exchangeLockPath();
// The window's local server for "the settings changed, read them again".
QString noticeName();
// Tells a running window to re-read the profile file. False when no window listens.
bool tellWindow();

struct Detection {
    bool found = false; // a mouse of the catalogue is plugged in
    QString failure; // why it could not be opened (no permission); empty when it could
    bool usable() const { return found && failure.isEmpty(); }
};
// The one line that lets a normal user open the mouse (installs the udev rule).
QString permissionFix();
// Detection as the window runs it: the compiled-in catalogue with the product names of the
// configuration file; sends the set-up command to a mouse it finds.
Detection detect(MS_HT66FB560& device);

} // namespace mouselink
