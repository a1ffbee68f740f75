#pragma once

#include "switcher/profileswitcher.h"

#include <QFileSystemWatcher>
#include <QJsonArray>
#include <QObject>
#include <QStringList>
#include <QTimer>

class FocusSource;
class QTextStream;

// The resident switcher: focus sources in, the switcher's decisions out to the mouse, the
// rules file and the profile file watched, the state told through switchstate. Works in the
// current folder, which must be the data folder.
class SwitchService : public QObject {
    Q_OBJECT
public:
    // With `print`, every focus report and decision goes there as a line.
    explicit SwitchService(QTextStream* print = nullptr, QObject* parent = nullptr);
    ~SwitchService() override;

    // Starts every focus source this session offers; false (with `why`) when none starts.
    bool start(QString* why);
    // Rules read again, and the mouse looked for again (SIGHUP).
    void reload();
    // Some HID device came or went: after a moment to settle, the current rule is applied.
    void devicesChanged();

    ProfileSwitcher& decisions() { return switcher; }

signals:
    // Every source lost its desktop: nothing more will come.
    void allSourcesLost();

private:
    void readRules(bool judge = true);
    void readProfileFile();
    void select(int profile);
    void sourceLost(FocusSource* source, const QString& reason);
    void remember(const FocusInfo& info);
    void writeState();
    void say(const QString& line);

    QTextStream* print;
    ProfileSwitcher switcher;
    QList<FocusSource*> running;
    QStringList unavailable;
    QFileSystemWatcher watcher;
    QString rulesText;
    int fileProfile = -1;
    bool mousePresent = true;
    QTimer mouseSettle;
    QJsonArray seen;
};
