#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>

// How a second start reaches the running program: the running one listens on a local socket
// beside its single-instance lock (closed to other users), and a second start rings it and
// ends. A ring is one connection; nothing is read from it, so a stranger's bytes do nothing.
class InstanceBell : public QObject {
    Q_OBJECT
public:
    explicit InstanceBell(QObject* parent = nullptr);

    // The socket that belongs to the lock at `lockPath`.
    static QString socketFor(const QString& lockPath);
    // Takes the name over from a program that ended without removing it.
    bool listen(const QString& name);
    // True when a running program took the ring within `timeoutMs`.
    static bool ring(const QString& name, int timeoutMs = 2000);

signals:
    void rung();

private:
    QLocalServer server;
};
