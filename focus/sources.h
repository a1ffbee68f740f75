#pragma once

#include <QList>

class FocusSource;
class QObject;

// The focus sources this session may offer, chosen from the environment (X11 when DISPLAY is
// set, the Wayland desktop's own beside it), children of `parent` and not yet started: the
// caller starts each and keeps those whose start() succeeds, naming the others' why().
QList<FocusSource*> makeFocusSources(QObject* parent);
