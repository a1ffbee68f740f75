#pragma once

#include <QLockFile>
#include <QString>

// Holds a per-user lock in the temporary folder for as long as the program runs. A lock
// left behind by a crashed instance is recognised as stale and taken over.
class SingleInstance {
public:
    explicit SingleInstance(const QString& name = QStringLiteral("z4config"));

    bool isRunning() const { return !owned; }
    QString lockPath() const { return path; }

private:
    QString path;
    QLockFile lock;
    bool owned = false;
};
