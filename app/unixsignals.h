#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM and SIGINT into a Qt signal on the GUI thread (self-pipe), so that a stop
// request ends the program the way the close button does: hooks removed, listener stopped,
// settings written.
class UnixSignals : public QObject {
    Q_OBJECT
public:
    explicit UnixSignals(QObject* parent = nullptr);
    ~UnixSignals() override;

signals:
    void stopRequested();

private:
    void readPipe();

    QSocketNotifier* notifier = nullptr;
};
