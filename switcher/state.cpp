#include "switcher/state.h"

#include "core/runtimefolder.h"

#include <QFile>
#include <QJsonDocument>
#include <QSaveFile>

#include <csignal>

namespace {
// A process id counts only while the process is a switcher: ids are reused.
bool isSwitcher(qint64 pid)
{
    if (pid <= 0 || ::kill(pid_t(pid), 0) != 0)
        return false;
    QFile comm(QStringLiteral("/proc/%1/comm").arg(pid));
    return comm.open(QIODevice::ReadOnly) && comm.readAll().trimmed() == "z4switch";
}
} // namespace

namespace switchstate {

QString path()
{
    const QString folder = runtimefolder::path();
    return folder.isEmpty() ? QString() : folder + QStringLiteral("/z4switch.state");
}

bool write(const QJsonObject& state)
{
    QSaveFile file(path());
    if (path().isEmpty() || !file.open(QIODevice::WriteOnly))
        return false;
    file.write(QJsonDocument(state).toJson(QJsonDocument::Compact));
    return file.commit();
}

QJsonObject read()
{
    QFile file(path());
    QJsonObject state;
    if (!path().isEmpty() && file.open(QIODevice::ReadOnly))
        state = QJsonDocument::fromJson(file.read(1 << 20)).object();
    state.insert(
        QStringLiteral("running"), isSwitcher(qint64(state.value(QStringLiteral("pid")).toDouble())));
    return state;
}

qint64 runningPid()
{
    const QJsonObject state = read();
    return state.value(QStringLiteral("running")).toBool()
        ? qint64(state.value(QStringLiteral("pid")).toDouble())
        : 0;
}

} // namespace switchstate
