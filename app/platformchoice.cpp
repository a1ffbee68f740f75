#include "app/platformchoice.h"

#include <QQuickWindow>
#include <QSGRendererInterface>
#include <QtGlobal>

namespace platformchoice {

QByteArray platformFor(const QByteArray& sessionType, const QByteArray& waylandDisplay,
    const QByteArray& display, const QByteArray& chosenPlatform)
{
#ifdef Q_OS_LINUX
    const bool wayland = sessionType == "wayland" || !waylandDisplay.isEmpty();
    if (wayland && !display.isEmpty() && chosenPlatform.isEmpty())
        return QByteArrayLiteral("xcb");
#else
    Q_UNUSED(sessionType);
    Q_UNUSED(waylandDisplay);
    Q_UNUSED(display);
    Q_UNUSED(chosenPlatform);
#endif
    return {};
}

bool wantsSoftwareScene(const QByteArray& quickBackend, const QByteArray& rhiBackend)
{
    return quickBackend.isEmpty() && rhiBackend.isEmpty();
}

void apply()
{
    const QByteArray platform = platformFor(qgetenv("XDG_SESSION_TYPE"), qgetenv("WAYLAND_DISPLAY"),
        qgetenv("DISPLAY"), qgetenv("QT_QPA_PLATFORM"));
    if (!platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", platform);
    if (wantsSoftwareScene(qgetenv("QT_QUICK_BACKEND"), qgetenv("QSG_RHI_BACKEND")))
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
}

} // namespace platformchoice
