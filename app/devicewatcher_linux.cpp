#include "app/devicewatcher.h"

#include <QDebug>
#include <QSocketNotifier>

#include <libudev.h>

DeviceWatcher::DeviceWatcher(QObject* parent)
    : QObject(parent)
{
    context = udev_new();
    if (!context)
        return;
    monitor = udev_monitor_new_from_netlink(context, "udev");
    if (!monitor || udev_monitor_filter_add_match_subsystem_devtype(monitor, "hidraw", nullptr) < 0
        || udev_monitor_enable_receiving(monitor) < 0) {
        qDebug() << "device-change monitor unavailable; detection runs at start-up only";
        if (monitor)
            udev_monitor_unref(monitor);
        monitor = nullptr;
        return;
    }
    notifier = new QSocketNotifier(udev_monitor_get_fd(monitor), QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &DeviceWatcher::drain);
}

DeviceWatcher::~DeviceWatcher()
{
    delete notifier;
    if (monitor)
        udev_monitor_unref(monitor);
    if (context)
        udev_unref(context);
}

void DeviceWatcher::drain()
{
    // One readable notification may carry several events; each counts as a change.
    while (udev_device* dev = udev_monitor_receive_device(monitor)) {
        udev_device_unref(dev);
        emit changed();
    }
}
