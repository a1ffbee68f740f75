#pragma once

#include <QLockFile>
#include <QString>

// Holds a per-user lock for as long as the program runs. On Linux it sits in a folder that only
// the user can enter (runtimefolder::path()), so another user cannot take the name first; on
// Windows in the user's own temporary folder. A lock left behind by a crashed instance is taken
// over. A lock that cannot be made stops the program as a running instance does: two instances
// would drive the same mouse, and the second would take over the first one's socket.
class SingleInstance {
public:
    explicit SingleInstance(const QString& name = QStringLiteral("z4config"));

    // True when this process must not go on: another instance runs, or failure() says why not.
    bool isRunning() const { return running; }
    // Empty while another instance holds the lock; otherwise names the lock that failed.
    QString failure() const { return problem; }
    QString lockPath() const { return path; }

private:
    QString path;
    QLockFile lock;
    bool running = false;
    QString problem;
};
