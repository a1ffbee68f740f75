#pragma once

#include "device/usbtask.h"

#include <QThread>

// Carries the exchange with the mouse. The thread is never started: transfer() runs on the
// caller's thread and blocks it for the whole exchange (at least the task's commandDelay).
class Master : public QThread {
    Q_OBJECT
public:
    using QThread::QThread;

    // One exchange as the task describes it; true when every step succeeded. Opens the command
    // interface and closes it again on every path. A Get command leaves its answer in
    // task.reply and a read data phase its block in task.data (zeros where a read failed).
    // Fails without any I/O when blocked, or when the data phase cannot fit the 512-byte buffer.
    bool transfer(UsbTask& task);

    bool blocked = false; // set for catalogue entries no command may reach
    // Instead of any I/O, every exchange is kept here as its bytes (command, then a written
    // data phase) and succeeds; reads answer zeros.
    bool dryRun = false;
    QList<QByteArray> dryRunLog;
    // Why the last exchange could not open the command interface ("Permission denied" without
    // the udev rule); empty when it opened or had no path to open.
    QString openFailure;
    // Whether the last exchange found the mouse kept by another process past the lock's
    // deadline (nothing was sent).
    bool busy = false;

signals:
    // Declared for completeness of the interface; nothing emits or connects them.
    void onSetCompleted(bool r, UsbTask ut);
    void onGetCompleted(bool r, UsbTask ut);
};
