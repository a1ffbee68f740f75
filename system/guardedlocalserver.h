#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>
#include <QTimer>

class QLocalSocket;

// A local server that a stray or hostile process of the same user cannot exhaust: each
// connection may buffer at most bufferBytes and lives at most deadlineMs, at most
// maxConnections are open at once (more are closed at once), and a server that stopped
// listening (Qt closes it for good when accept() fails, e.g. out of file handles) or whose
// socket file went away listens again within checkMs.
class GuardedLocalServer : public QObject {
    Q_OBJECT
public:
    struct Limits {
        qint64 bufferBytes;
        int deadlineMs;
        int maxConnections;
    };
    static constexpr int checkMs = 1000;

    GuardedLocalServer(Limits limits, QObject* parent = nullptr);

    // Takes the name over from a program that ended without removing it.
    bool listen(const QString& name);
    QString fullServerName() const { return server.fullServerName(); }
    bool isListening() const { return server.isListening(); }
    int openConnections() const { return open; }

signals:
    // A connection within the limits; it is aborted and deleted at its deadline.
    void accepted(QLocalSocket* socket);

private:
    void accept();
    void check();

    // Declared before the server: its sockets count themselves out when it goes.
    Limits limits;
    int open = 0;
    QString name;
    QTimer watchdog;
    QLocalServer server;
};
