#pragma once

#include <QStringList>

class QTextStream;

// `z4ctl switch ...`, and what the window's rules view does through the same functions.
namespace switchcommand {

// Runs the words after "switch"; answers z4ctl's exit statuses (0 done, 1 failed, 2 usage).
int run(const QStringList& words, bool json, QTextStream& out, QTextStream& err);

// The XDG autostart entry that starts z4switch at log-in.
QString autostartPath();
bool isOn();
// On: writes the autostart entry and starts z4switch (from beside this program) unless it
// runs. Off: removes the entry and stops the running switcher. An empty answer when done.
QString setOn(bool on);

} // namespace switchcommand
