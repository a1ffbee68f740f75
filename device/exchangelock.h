#pragma once

#include <QString>

// Keeps the exchanges of every process of this user with the mouse apart: the window and the
// command line never interleave reports on the wire. Held for one exchange, released on
// destruction (by the system too when a process dies holding it). Advisory: only processes
// that take it are kept apart.
class ExchangeLock {
public:
    // The lock file every process of the user agrees on; empty (the default, as in tests that
    // run one process) takes no lock. Set once at start, before any exchange.
    static void setPath(const QString& path);
    static QString path();

    // Blocks until the lock is held, or takes none when no path is set or the file cannot be
    // opened: an exchange is never refused for want of a lock.
    ExchangeLock();
    ~ExchangeLock();
    ExchangeLock(const ExchangeLock&) = delete;
    ExchangeLock& operator=(const ExchangeLock&) = delete;

private:
    int fd = -1;
    void* handle = nullptr;
};
