#pragma once

#include <QString>

// How a selection ended.
enum class Reach { Done, NoMouse, Busy, Failed };

// Puts the mouse on profile 1..5 (02H) and the profile file with it, as one transaction under
// the per-user lock, then tells a running window as z4ctl does. Busy: another program kept the
// mouse past the lock's deadline and nothing changed. Works in the current folder, which
// must be the data folder. Without a mouse nothing is written. The switcher's only way to
// the mouse.
Reach selectProfileOnMouse(int profile);
