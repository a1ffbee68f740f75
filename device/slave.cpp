#include "device/slave.h"

#include <QMutexLocker>
#include <hidapi.h>

#include <vector>

QMutex usbMutex;

namespace {

// A cycle: open the vendor interface, wait for one report, close. False when it cannot open.
bool listenOnce(const QByteArray& path, std::vector<uchar>& buffer, int readLength, Slave* slave)
{
    hid_device* handle = hid_open_path(path.constData());
    if (!handle)
        return false;
    hid_set_nonblocking(handle, 0);
    buffer[0] = 0;
    const int got = hid_read_timeout(handle, buffer.data(), size_t(readLength), Slave::kReadTimeoutMs);
    if (got == readLength)
        emit slave->onVendor(QList<uchar>(buffer.begin(), buffer.begin() + readLength));
    hid_close(handle);
    return true;
}

} // namespace

Slave::~Slave()
{
    stopListening();
}

void Slave::startListening(const UsbDevice& newDevice, int newReadLength)
{
    usbMutex.lock();
    device = newDevice;
    usbMutex.unlock();
    endPreviousRun();
    usbMutex.lock();
    running = true;
    readLength = newReadLength;
    usbMutex.unlock();
    start(QThread::InheritPriority);
}

void Slave::stopListening()
{
    endPreviousRun();
}

void Slave::endPreviousRun()
{
    usbMutex.lock();
    running = false;
    usbMutex.unlock();
    // Also waits for a run that ended by itself but whose thread is still finishing, so a
    // restart can never be swallowed by start() on a thread that is still running.
    wait();
}

bool Slave::isRunningFlagSet()
{
    QMutexLocker lock(&usbMutex);
    return running;
}

void Slave::run()
{
    usbMutex.lock();
    const QByteArray path = device.vendorPath.toLocal8Bit();
    const bool keepRunning = running;
    const int length = readLength;
    usbMutex.unlock();
    if (!keepRunning || length < 1 || length > kMaxReportLength)
        return;
    std::vector<uchar> buffer(size_t(length) + 1);
    while (listenOnce(path, buffer, length, this) && isRunningFlagSet()) { }
}
