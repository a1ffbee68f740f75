#pragma once

#include <QByteArray>

// Choices made before the application object exists, from the session the program starts in.
namespace platformchoice {

// The Qt platform to force, or empty to leave Qt's own choice. Moving a frameless window and
// capturing keys need X11, so a Wayland session with a reachable X server (XWayland) runs the
// program on xcb, unless the user named a platform in QT_QPA_PLATFORM.
QByteArray platformFor(const QByteArray& sessionType, const QByteArray& waylandDisplay,
    const QByteArray& display, const QByteArray& chosenPlatform);

// The scene is a few pictures and texts: the software scene graph draws it in a fraction of the
// memory and start-up time of a GPU context, unless the user chose a backend.
bool wantsSoftwareScene(const QByteArray& quickBackend, const QByteArray& rhiBackend);

// Applies both to this process from its environment.
void apply();

} // namespace platformchoice
