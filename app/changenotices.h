#pragma once

#include <QLocalServer>
#include <QObject>

// The window's end of "the settings changed, read them again" from the command line
// (mouselink::tellWindow). Any connection that sends a line counts as one notice; what it says
// beyond that is not read.
class ChangeNotices : public QObject {
    Q_OBJECT
public:
    explicit ChangeNotices(QObject* parent = nullptr);
    // Takes the name over from a window that ended without removing it. False when the server
    // cannot be made; the window then re-reads only at the next detection.
    bool listen(const QString& name);

signals:
    void changed();

private:
    QLocalServer server;
};
