#include "device/slave.h"

#include "device/hidopen.h"

#include <QMutexLocker>

#include <vector>

QMutex usbMutex;

namespace {

// A cycle: open the vendor interface, wait for one report, close. False when it cannot open.
// Only a first cycle's failure is worth a warning: later ones mean the mouse was removed.
bool listenOnce(
    const QString& path, bool firstCycle, std::vector<uchar>& buffer, int readLength, Slave* slave)
{
    hid_device* handle = openHidPath(path, firstCycle);
    if (!handle)
        return false;
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
    const QString path = device.vendorPath;
    const bool keepRunning = running;
    const int length = readLength;
    usbMutex.unlock();
    if (!keepRunning || length < 1 || length > kMaxReportLength)
        return;
    std::vector<uchar> buffer(size_t(length) + 1);
    bool firstCycle = true;
    while (listenOnce(path, firstCycle, buffer, length, this) && isRunningFlagSet())
        firstCycle = false;
}
