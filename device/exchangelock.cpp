#include "device/exchangelock.h"

#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include <atomic>

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

std::function<void(int)>& waiter()
{
    static std::function<void(int)> wait;
    return wait;
}

std::atomic<bool> cancelled { false };
// How often this process holds the lock now, and the handle that holds it. A take that waits
// keeps a handle of its own, so a change run by the waiter meanwhile uses another.
int depth = 0;
#ifdef Q_OS_WIN
using Handle = HANDLE;
const Handle kNone = INVALID_HANDLE_VALUE;

Handle openLock()
{
    return CreateFileW(reinterpret_cast<LPCWSTR>(lockPath().utf16()), GENERIC_READ | GENERIC_WRITE,
        FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
}

bool tryLock(Handle file)
{
    OVERLAPPED whole {};
    return LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &whole);
}

void closeLock(Handle file)
{
    CloseHandle(file);
}
#else
using Handle = int;
const Handle kNone = -1;

Handle openLock()
{
    return ::open(QFile::encodeName(lockPath()).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
}

bool tryLock(Handle file)
{
    int result = 0;
    do
        result = ::flock(file, LOCK_EX | LOCK_NB);
    while (result != 0 && errno == EINTR);
    return result == 0;
}

void closeLock(Handle file)
{
    ::close(file);
}
#endif
Handle holder = kNone;
} // namespace

void ExchangeLock::setPath(const QString& path)
{
    lockPath() = path;
}

QString ExchangeLock::path()
{
    return lockPath();
}

void ExchangeLock::setWaiter(std::function<void(int ms)> wait)
{
    waiter() = std::move(wait);
}

void ExchangeLock::cancelWaits()
{
    cancelled = true;
}

ExchangeLock::ExchangeLock(int waitMs)
{
    if (depth > 0 || lockPath().isEmpty()) {
        holding = true;
        counted = depth > 0;
        depth += counted ? 1 : 0;
        return;
    }
    const Handle file = openLock();
    if (file == kNone) {
        holding = true;
        return;
    }
    QElapsedTimer waited;
    waited.start();
    while (!tryLock(file)) {
        if (cancelled || waited.elapsed() >= waitMs) {
            closeLock(file);
            return;
        }
        if (waiter())
            waiter()(kPollMs);
        else
            QThread::msleep(kPollMs);
    }
    holder = file;
    holding = true;
    counted = true;
    ++depth;
}

ExchangeLock::~ExchangeLock()
{
    if (counted && --depth == 0) {
        closeLock(holder);
        holder = kNone;
    }
}
