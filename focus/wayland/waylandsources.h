#pragma once

#include "focus/focussource.h"

#include <QList>

// The Wayland desktop's own sources for this session, started; the direct routes (sway and
// Hyprland IPC) before the foreign-toplevel protocol, which then is not needed. What could not
// start is described in notes (one line each), e.g. GNOME without our extension.
QList<FocusSource*> startWaylandSources(QObject* parent, QStringList* notes);

// The folder the KWin script is written to.
QString kwinScriptFolder();
