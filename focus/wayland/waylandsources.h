#pragma once

#include "focus/focussource.h"

#include <QList>

// The Wayland desktop's own sources for this session, not yet started: sway and Hyprland IPC,
// KWin's script, GNOME's extension, chosen from the environment; the foreign-toplevel
// protocol on other Wayland desktops (river, labwc, Wayfire, ...), where no direct route is.
QList<FocusSource*> makeWaylandFocusSources(QObject* parent);

// The folder z4switch writes its KWin script to.
QString kwinScriptFolder();
