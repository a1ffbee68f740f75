#pragma once

#include "bridge/myqquickview.h"
#include "device/ms_ht66fb560.h"

#include <QTimer>
#include <cstdint>

class Ui_Controler;
class DeviceWatcher;
class ChangeNotices;
struct CopyData;

// The program's only top-level window, the bridge view itself. It owns the link to the mouse and
// re-runs detection once a burst of device-change notifications has settled.
class Widget : public myQQuickView {
    Q_OBJECT
public:
    explicit Widget(QWindow* parent = nullptr);
    ~Widget() override;

    void startScene();

    // Every notification restarts the single-shot timer, so a burst yields one detection.
    void deviceChanged() { deviceTimer.start(); }

    myQQuickView* view() { return this; }
    Ui_Controler* controller() const { return controler; }
    const QTimer& deviceChangeTimer() const { return deviceTimer; }

    // Input capture reports, registered with the host window as user pointer; a null host
    // is ignored. The copy-data report blocks in a modal box until the user closes it.
    static void keyReport(std::uint8_t usage, std::uint8_t isDown, void* host);
    static void mouseReport(
        std::uint8_t button, std::uint8_t isDown, std::int32_t x, std::int32_t y, void* host);
    static void copyDataReport(const CopyData* data, void* host);

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
    ChangeNotices* notices = nullptr;
};
