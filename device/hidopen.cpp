#include "device/hidopen.h"
#include "device/hidlibrary.h"

#include <QDebug>

#include <mutex>

namespace {
// hidapi keeps one global error text that hid_init(), hid_enumerate() and hid_open_path() free
// and replace, and hid_error(nullptr) reads. Detection enumerates on the GUI thread while the
// listener opens on its own, so all of these take turns. A std::mutex, so that the thread
// sanitizer sees the turns being taken.
std::mutex hidMutex;
} // namespace

HidLibrary::HidLibrary()
{
    const std::lock_guard<std::mutex> lock(hidMutex);
    if (hid_init() != 0)
        qWarning("hidapi could not be initialised; the mouse will not be found");
}

HidLibrary::~HidLibrary()
{
    const std::lock_guard<std::mutex> lock(hidMutex);
    hid_exit();
}

hid_device* openHidPath(const QString& path, bool reportFailure, QString* reason)
{
    const QByteArray nativePath = path.toLocal8Bit();
    std::unique_lock<std::mutex> lock(hidMutex);
    hid_device* handle = hid_open_path(nativePath.constData());
    if (!handle) {
        const QString why = QString::fromWCharArray(hid_error(nullptr));
        if (reason)
            *reason = why;
        if (reportFailure && !path.isEmpty())
            qWarning().noquote() << QStringLiteral("Cannot open HID device %1: %2").arg(path, why);
        return nullptr;
    }
    lock.unlock();
    hid_set_nonblocking(handle, 0);
    return handle;
}

hid_device_info* enumerateHid(quint16 vid, quint16 pid)
{
    if (!vid || !pid)
        return nullptr;
    const std::lock_guard<std::mutex> lock(hidMutex);
    return hid_enumerate(vid, pid);
}
