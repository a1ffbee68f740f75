#include "device/hidopen.h"

#include <QDebug>
#include <QMutex>
#include <QMutexLocker>

namespace {
// hidapi keeps the reason of a failed open in one global it frees and replaces; the transport
// and the listener open from different threads, so opening and reading the reason take turns.
QMutex openMutex;
} // namespace

hid_device* openHidPath(const QString& path, bool reportFailure)
{
    const QByteArray nativePath = path.toLocal8Bit();
    QMutexLocker lock(&openMutex);
    hid_device* handle = hid_open_path(nativePath.constData());
    if (!handle) {
        if (reportFailure && !path.isEmpty())
            qWarning().noquote() << QStringLiteral("Cannot open HID device %1: %2")
                                        .arg(path, QString::fromWCharArray(hid_error(nullptr)));
        return nullptr;
    }
    lock.unlock();
    hid_set_nonblocking(handle, 0);
    return handle;
}
