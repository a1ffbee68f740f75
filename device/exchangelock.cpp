#include "device/exchangelock.h"

#include <QFile>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace {
QString& lockPath()
{
    static QString path;
    return path;
}
} // namespace

void ExchangeLock::setPath(const QString& path)
{
    lockPath() = path;
}

QString ExchangeLock::path()
{
    return lockPath();
}

#ifdef Q_OS_WIN
ExchangeLock::ExchangeLock()
{
    if (lockPath().isEmpty())
        return;
    HANDLE file = CreateFileW(reinterpret_cast<LPCWSTR>(lockPath().utf16()), GENERIC_READ | GENERIC_WRITE,
        FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    OVERLAPPED whole {};
    if (!LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK, 0, 1, 0, &whole)) {
        CloseHandle(file);
        return;
    }
    handle = file;
}

ExchangeLock::~ExchangeLock()
{
    if (handle)
        CloseHandle(static_cast<HANDLE>(handle));
}
#else
ExchangeLock::ExchangeLock()
{
    if (lockPath().isEmpty())
        return;
    fd = ::open(QFile::encodeName(lockPath()).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    while (fd >= 0 && ::flock(fd, LOCK_EX) != 0) {
        if (errno != EINTR) {
            ::close(fd);
            fd = -1;
        }
    }
}

ExchangeLock::~ExchangeLock()
{
    if (fd >= 0)
        ::close(fd);
}
#endif
