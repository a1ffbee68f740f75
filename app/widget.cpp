#include "app/widget.h"

#include "app/changenotices.h"
#include "app/ui_controler.h"
#include "app/userevent.h"
#include "bridge/myqquickview.h"
#include "core/accessrule.h"
#include "core/mouselink.h"
#include "device/exchangelock.h"
#include "system/copydatamessage.h"
#include "system/inputhook.h"

#include <QCoreApplication>

#include <optional>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include "app/devicewatcher.h"
#endif

namespace {
constexpr int kDeviceSettleMs = 2048;
}

Widget::Widget(QWindow* parent)
    : myQQuickView(parent)
{
    // Not destroyed with the window: the application object owns it until the process ends.
    controler = new Ui_Controler;
    controler->setParent(QCoreApplication::instance());
    controler->setupUi(this);
    setDevice(&device);
    deviceTimer.setInterval(kDeviceSettleMs);
    deviceTimer.setSingleShot(true);
    connect(&deviceTimer, &QTimer::timeout, this, &Widget::checkDevice);
    // The command line changed the settings: the file holds them, as it would after a refresh.
    notices = new ChangeNotices(this);
    notices->listen(mouselink::noticeName());
    connect(notices, &ChangeNotices::changed, this, [this] { view()->rereadStore(); });
#ifndef Q_OS_WIN
    watcher = new DeviceWatcher(this);
    connect(watcher, &DeviceWatcher::changed, this, &Widget::deviceChanged);
#endif
}

Widget::~Widget() = default;

void Widget::keyReport(std::uint8_t usage, std::uint8_t isDown, void* host)
{
    if (host)
        static_cast<Widget*>(host)->view()->forwardKeyboard(isDown, usage);
}

void Widget::mouseReport(std::uint8_t button, std::uint8_t isDown, std::int32_t x, std::int32_t y, void* host)
{
    // Screen coordinates travel as unsigned values, as the scene has always received them.
    if (host)
        static_cast<Widget*>(host)->view()->forwardMouse(isDown, button, uint(x), uint(y));
}

void Widget::copyDataReport(const CopyData* data, void* host)
{
    if (host && data)
        showCopyDataWarning(*data, static_cast<Widget*>(host)->title());
}

void Widget::checkDevice()
{
    // Another program keeps the mouse: the window shows the file meanwhile and looks again.
    std::optional<ExchangeLock> turn(std::in_place);
    if (!turn->held()) {
        loadProfiles();
        deviceTimer.start();
        return;
    }
    // A mouse that is there but cannot be opened (no udev rule) is not connected, but the
    // person must be told why, and how to mend it.
    const mouselink::Detection found = mouselink::detect(device);
    const QString failure = found.failure;
    const bool usable = found.usable();
    const UsbDevice& mouse = device.currentTask().device;
    const int state = usable ? 2 : found.found ? 1 : 0; // the scene's: connected, no permission, absent
    QVariantMap status { { "state", state }, { "product", mouse.productName }, { "path", mouse.commandPath },
        { "reason", failure } };
    if (state == 1) {
        status.insert(QStringLiteral("ruleInstalled"), accessrule::installed());
        status.insert(QStringLiteral("command"),
            accessrule::installCommand(accessrule::ruleLines(loadCatalogue(QStringLiteral(":/DevInfo.ini"), {}))));
    }
    QString version;
    if (usable && device.hid_80H_GetFWVersion(version))
        status.insert(QStringLiteral("version"), version);
    // Each profile is read as a change of its own.
    turn.reset();
    setConnected(usable);
    setDeviceStatus(status);
    refresh();
}

void Widget::startScene()
{
    initUI();
    QCoreApplication::postEvent(this, new UserEvent(UserEvent::kRunScene));
}

void Widget::customEvent(QEvent* event)
{
    const auto* request = dynamic_cast<UserEvent*>(event);
    if (request && request->type() == UserEvent::kType && request->eventId == UserEvent::kRunScene)
        runUI();
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
