#include "focus/sources.h"

#include "focus/wayland/waylandsources.h"
#include "focus/x11source.h"

QList<FocusSource*> makeFocusSources(QObject* parent)
{
    QList<FocusSource*> sources;
    if (!qEnvironmentVariableIsEmpty("DISPLAY"))
        sources << new X11Source(parent);
    sources << makeWaylandFocusSources(parent);
    return sources;
}
