#include "app/ui_controler.h"

#include "app/lightzone.h"
#include "app/windowsight.h"
#include "bridge/myqquickview.h"

#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QSettings>
#include <QSurfaceFormat>

void Ui_Controler::setupUi(myQQuickView* window)
{
    view = window;
    view->setObjectName(QStringLiteral("ui_View"));
    view->setFlags(Qt::Window | Qt::FramelessWindowHint | Qt::CustomizeWindowHint);
    // An alpha channel and a transparent clear colour keep the window see-through where the
    // scene draws nothing.
    QSurfaceFormat format = view->format();
    format.setAlphaBufferSize(8);
    view->setFormat(format);
    view->setColor(Qt::transparent);

    sight = new WindowSight(view);
    connect(sight, &WindowSight::seenChanged, this, &Ui_Controler::windowSeenChanged);
    qmlRegisterType<LightZone>("z4.lighting", 1, 0, "LightZone");

    // Set before the scene loads, so its bindings are evaluated once, with them in place.
    view->rootContext()->setContextProperty(QStringLiteral("ui_View"), view);
    view->rootContext()->setContextProperty(QStringLiteral("ui_Ctl"), this);
    view->setSource(QUrl(QStringLiteral("qrc:modules/qml/main.qml")));
    retranslateUi(view);
}

void Ui_Controler::retranslateUi(myQQuickView* window)
{
    QSettings config(QStringLiteral("./modules/setting/apConfig.bin"), QSettings::IniFormat);
    window->setTitle(config.value(QStringLiteral("common/name"), QString()).toString());
}

bool Ui_Controler::windowSeen() const
{
    return sight && sight->seen();
}

void Ui_Controler::onMinimize()
{
    if (view)
        view->close();
}

void Ui_Controler::onXChanged(int x)
{
    if (view)
        view->setPosition(view->x() + x, view->y());
}

void Ui_Controler::onYChanged(int y)
{
    if (view)
        view->setPosition(view->x(), view->y() + y);
}

void Ui_Controler::setBusy(int busyTime)
{
    if (!view || !view->rootObject())
        return;
    QMetaObject::invokeMethod(
        view->rootObject(), "setProtectUI", Qt::DirectConnection, Q_ARG(QVariant, QVariant(busyTime)));
}
