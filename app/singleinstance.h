#pragma once

#include <QLockFile>
#include <QString>

// Holds a per-user lock for as long as the program runs. On Linux it sits in the user's
// runtime folder, which only the user can enter, so another user cannot take the name first;
// on Windows in the user's own temporary folder. A lock left behind by a crashed instance is
// taken over; a lock that cannot be made at all does not stop the program.
class SingleInstance {
public:
    explicit SingleInstance(const QString& name = QStringLiteral("z4config"));

    bool isRunning() const { return running; }
    QString lockPath() const { return path; }

private:
    QString path;
    QLockFile lock;
    bool running = false;
};
