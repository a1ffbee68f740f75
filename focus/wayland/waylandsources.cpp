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

bool tryStart(FocusSource* s, QList<FocusSource*>& started, QStringList* notes)
{
    if (s->start()) {
        started.append(s);
        return true;
    }
    if (notes)
        notes->append(QStringLiteral("%1: %2").arg(s->name(), s->why()));
    delete s;
    return false;
}
} // namespace

QString kwinScriptFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        + QStringLiteral("/z4config/kwin");
}

QList<FocusSource*> startWaylandSources(QObject* parent, QStringList* notes)
{
    QList<FocusSource*> started;
    bool direct = false;
    if (qEnvironmentVariableIsSet("SWAYSOCK"))
        direct = tryStart(new SwaySource(parent), started, notes) || direct;
    if (qEnvironmentVariableIsSet("HYPRLAND_INSTANCE_SIGNATURE"))
        direct = tryStart(new HyprlandSource(parent), started, notes) || direct;
    if (desktopIs("KDE"))
        direct = tryStart(new KWinSource(kwinScriptFolder(), parent), started, notes) || direct;
    if (desktopIs("GNOME"))
        direct = tryStart(new GnomeSource(parent), started, notes) || direct;
    if (!direct && qEnvironmentVariableIsSet("WAYLAND_DISPLAY"))
        tryStart(new WlrToplevelSource(parent), started, notes);
    return started;
}
