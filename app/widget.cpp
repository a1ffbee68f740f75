#include "app/widget.h"

#include "app/ui_controler.h"
#include "app/userevent.h"
#include "bridge/myqquickview.h"
#include "device/devinfo.h"

#include <QCoreApplication>
#include <QSettings>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include "app/devicewatcher.h"
#endif

namespace {
constexpr int kDeviceSettleMs = 2048;
}

Widget::Widget(QWidget* parent)
    : QWidget(parent)
{
    device.owner = this;
    controler = new Ui_Controler;
    controler->setupUi(this);
    controler->view->setDevice(&device);
    deviceTimer.setInterval(kDeviceSettleMs);
    deviceTimer.setSingleShot(true);
    connect(&deviceTimer, &QTimer::timeout, this, &Widget::checkDevice);
#ifndef Q_OS_WIN
    watcher = new DeviceWatcher(this);
    connect(watcher, &DeviceWatcher::changed, this, &Widget::deviceChanged);
#endif
}

Widget::~Widget() = default;

myQQuickView* Widget::view() const
{
    return controler->view;
}

void Widget::checkDevice()
{
    const QSettings config(QStringLiteral("./modules/setting/apConfig.bin"), QSettings::IniFormat);
    const QStringList names = config.value(QStringLiteral("common/product_name")).toStringList();
    const bool found = device.detect(loadCatalogue(QStringLiteral(":/DevInfo.ini"), names));
    controler->view->setConnected(found);
    controler->view->refresh();
}

void Widget::startScene()
{
    controler->view->initUI();
    QCoreApplication::postEvent(this, new UserEvent(UserEvent::kRunScene));
}

void Widget::customEvent(QEvent* event)
{
    const auto* request = dynamic_cast<UserEvent*>(event);
    if (request && request->type() == UserEvent::kType && request->eventId == UserEvent::kRunScene)
        controler->view->runUI();
}

#ifdef Q_OS_WIN
bool Widget::nativeEvent(const QByteArray& eventType, void* message, qintptr* result)
{
    Q_UNUSED(eventType);
    if (static_cast<MSG*>(message)->message == WM_DEVICECHANGE)
        deviceChanged();
    // Never consumed: default processing continues.
    return *result != 0;
}
#endif
