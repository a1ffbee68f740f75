#include "waylandsources.h"

#include "gnomesource.h"
#include "hyprlandsource.h"
#include "kwinsource.h"
#include "swaysource.h"
#include "wlrtoplevelsource.h"

#include <QStandardPaths>

namespace {
bool desktopIs(const char* name)
{
    return qEnvironmentVariable("XDG_CURRENT_DESKTOP")
        .split(QLatin1Char(':'))
        .contains(QLatin1String(name), Qt::CaseInsensitive);
}
} // namespace

QString kwinScriptFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        + QStringLiteral("/z4config/kwin");
}

QList<FocusSource*> makeWaylandFocusSources(QObject* parent)
{
    QList<FocusSource*> sources;
    // An X11 session's windows are all X11 windows: the X11 source sees them.
    if (qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return sources;
    if (desktopIs("KDE"))
        sources << new KWinSource(kwinScriptFolder(), parent);
    if (desktopIs("GNOME"))
        sources << new GnomeSource(parent);
    const bool sway = !qEnvironmentVariableIsEmpty("SWAYSOCK");
    const bool hyprland = !qEnvironmentVariableIsEmpty("HYPRLAND_INSTANCE_SIGNATURE");
    if (sway)
        sources << new SwaySource(parent);
    if (hyprland)
        sources << new HyprlandSource(parent);
    if (!sway && !hyprland && sources.isEmpty())
        sources << new WlrToplevelSource(parent);
    return sources;
}
