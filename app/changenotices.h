#pragma once

#include "system/guardedlocalserver.h"

#include <QObject>

class QLocalSocket;

// The window's end of "the settings changed, read them again" from the command line
// (mouselink::tellWindow). Any connection that sends a line counts as one notice; what it says
// beyond that is not read.
class ChangeNotices : public QObject {
    Q_OBJECT
public:
    // A notice is one short line ("reread\n"), sent at once by a process that then hangs up: 256
    // bytes and a second are plenty, and eight at a time is more than commands run side by side.
    static constexpr GuardedLocalServer::Limits kLimits { 256, 1000, 8 };

    explicit ChangeNotices(QObject* parent = nullptr);
    // Takes the name over from a window that ended without removing it. False when the server
    // cannot be made; the window then re-reads only at the next detection.
    bool listen(const QString& name) { return server.listen(name); }

signals:
    void changed();

private:
    void take(QLocalSocket* socket);

    GuardedLocalServer server;
};
