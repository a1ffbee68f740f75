#pragma once

#include <QString>

#include <functional>

// Keeps the changes of every process of this user apart: the window and the command line never
// interleave reports on the wire, nor one change's read, write and file update. Held for one
// exchange or one whole change, released on destruction (by the system too when a process dies
// holding it). Advisory: only processes that take it are kept apart. A process that holds it
// takes it again at once (a change's exchanges nest inside the change); one thread talks to the
// mouse.
class ExchangeLock {
public:
    // How long a take waits for another process before it gives up.
    static constexpr int kWaitMs = 2500;
    static constexpr int kPollMs = 10;

    // The lock file every process of the user agrees on; empty (the default, as in tests that
    // run one process) takes no lock. Set once at start, before any exchange.
    static void setPath(const QString& path);
    static QString path();
    // Runs between two tries while another process holds the lock, for at most `ms`; the
    // window serves its events there. Without one the thread sleeps.
    static void setWaiter(std::function<void(int ms)> waiter);
    // From now on every take that would wait gives up at once: the program is ending.
    static void cancelWaits();

    // Waits at most `waitMs` for the lock. Takes none (and counts as held) when no path is set
    // or the file cannot be opened: an exchange is never refused for want of a lock file.
    explicit ExchangeLock(int waitMs = kWaitMs);
    ~ExchangeLock();
    ExchangeLock(const ExchangeLock&) = delete;
    ExchangeLock& operator=(const ExchangeLock&) = delete;

    // False when another process kept it past the deadline: nothing may be exchanged.
    bool held() const { return holding; }

private:
    bool holding = false;
    bool counted = false;
};
