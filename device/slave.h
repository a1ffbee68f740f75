#pragma once

#include "device/usbtask.h"

#include <QList>
#include <QMutex>
#include <QThread>

// Guards the listener's device copy, read length and running flag. Never held across I/O.
extern QMutex usbMutex;

// Reads the mouse's vendor interface on its own thread and emits each complete report.
// The listener ends by itself when the interface cannot be opened (mouse absent or removed)
// and stays ended until the next startListening().
class Slave : public QThread {
    Q_OBJECT
public:
    using QThread::QThread;
    ~Slave() override;

    // (Re)starts listening on device.vendorPath. Blocks until a previous run has ended, which
    // can take one read timeout.
    void startListening(const UsbDevice& device, int readLength);
    // Blocks until the listener thread has ended.
    void stopListening();

    static constexpr int kReadTimeoutMs = 500;

signals:
    void onVendor(QList<uchar> vCmd);

protected:
    void run() override;

private:
    void endPreviousRun();
    bool isRunningFlagSet();

    UsbDevice device;
    int readLength = 0;
    bool running = false;
};
