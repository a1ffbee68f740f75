#include "app/ui_controler.h"

#include "app/lightzone.h"
#include "app/windowsight.h"
#include "bridge/myqquickview.h"

#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QSettings>
#include <QWidget>

void Ui_Controler::setupUi(QWidget* hostWindow)
{
    if (hostWindow->objectName().isEmpty())
        hostWindow->setObjectName(QStringLiteral("Widget"));
    host = hostWindow;
    host->setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::CustomizeWindowHint);
    host->setWindowOpacity(1.0);
    host->setAttribute(Qt::WA_TranslucentBackground, true);
    // Only the window and the scene are see-through; a plain "background" rule would reach the
    // file dialogs and message boxes too and leave their text black on black.
    host->setStyleSheet(QStringLiteral("#%1, #ui_View { background: transparent; }").arg(host->objectName()));

    sight = new WindowSight(host);
    connect(sight, &WindowSight::seenChanged, this, &Ui_Controler::windowSeenChanged);
    qmlRegisterType<LightZone>("z4.lighting", 1, 0, "LightZone");

    view = new myQQuickView(host);
    view->setObjectName(QStringLiteral("ui_View"));
    // Without this the translucent window would be painted with the default opaque clear colour.
    view->setClearColor(Qt::transparent);
    view->setSource(QUrl(QStringLiteral("qrc:modules/qml/main.qml")));
    view->rootContext()->setContextProperty(QStringLiteral("ui_View"), view);
    view->rootContext()->setContextProperty(QStringLiteral("ui_Ctl"), this);

    host->resize(view->size());
    retranslateUi(host);
}

void Ui_Controler::retranslateUi(QWidget* hostWindow)
{
    QSettings config(QStringLiteral("./modules/setting/apConfig.bin"), QSettings::IniFormat);
    hostWindow->setWindowTitle(config.value(QStringLiteral("common/name"), QString()).toString());
}

bool Ui_Controler::windowSeen() const
{
    return sight && sight->seen();
}

void Ui_Controler::onMinimize()
{
    if (host)
        host->close();
}

void Ui_Controler::onXChanged(int x)
{
    if (host)
        host->move(host->x() + x, host->y());
}

void Ui_Controler::onYChanged(int y)
{
    if (host)
        host->move(host->x(), host->y() + y);
}

void Ui_Controler::setBusy(int busyTime)
{
    if (!host || !view || !view->rootObject())
        return;
    QMetaObject::invokeMethod(
        view->rootObject(), "setProtectUI", Qt::DirectConnection, Q_ARG(QVariant, QVariant(busyTime)));
}
