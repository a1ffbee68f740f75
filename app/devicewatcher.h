#pragma once

#include <QObject>

struct udev;
struct udev_monitor;
class QSocketNotifier;

// Reports that the set of HID devices has changed (a hidraw node came or went). Where no
// monitor can be made, as in some containers, it stays silent and detection runs only at
// start-up.
class DeviceWatcher : public QObject {
    Q_OBJECT
public:
    explicit DeviceWatcher(QObject* parent = nullptr);
    ~DeviceWatcher() override;

    bool isWatching() const { return monitor != nullptr; }

signals:
    void changed();

private:
    void drain();

    udev* context = nullptr;
    udev_monitor* monitor = nullptr;
    QSocketNotifier* notifier = nullptr;
};
