#pragma once

#include <QJsonObject>
#include <QString>

// What the running switcher tells z4ctl and the window: a small JSON file in the per-user
// runtime folder, replaced whole at each change.
namespace switchstate {

QString path();
bool write(const QJsonObject& state);
// The last state, with "running" set to whether the switcher that wrote it still runs.
QJsonObject read();
// The running switcher's process id, or 0.
qint64 runningPid();

} // namespace switchstate
