#pragma once

#include "device/ms_ht66fb560.h"

#include <QTimer>
#include <QWidget>

class Ui_Controler;
class myQQuickView;
class DeviceWatcher;

// The program's only top-level window. It owns the link to the mouse and re-runs detection
// once a burst of device-change notifications has settled.
class Widget : public QWidget {
    Q_OBJECT
public:
    explicit Widget(QWidget* parent = nullptr);
    ~Widget() override;

    void startScene();

    // Every notification restarts the single-shot timer, so a burst yields one detection.
    void deviceChanged() { deviceTimer.start(); }

    myQQuickView* view() const;
    Ui_Controler* controller() const { return controler; }
    const QTimer& deviceChangeTimer() const { return deviceTimer; }

public slots:
    void checkDevice();

protected:
    void customEvent(QEvent* event) override;
#ifdef Q_OS_WIN
    bool nativeEvent(const QByteArray& eventType, void* message, qintptr* result) override;
#endif

private:
    QTimer deviceTimer;
    Ui_Controler* controler = nullptr;
    MS_HT66FB560 device;
#ifndef Q_OS_WIN
    DeviceWatcher* watcher = nullptr;
#endif
};
