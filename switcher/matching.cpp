#include "switcher/matching.h"

#include <QFile>
#include <QFileInfo>

namespace {
// Desktop shells, panels, launchers and notification daemons, by class or app id.
const char* const kShellNames[] = { "plasmashell", "org.kde.plasmashell", "gnome-shell", "org.gnome.shell",
    "xfce4-panel", "xfdesktop", "xfce4-notifyd", "lxpanel", "lxqt-panel", "pcmanfm-qt", "desktop_window",
    "nemo-desktop", "mate-panel", "budgie-panel", "tint2", "polybar", "plank", "cairo-dock", "docky", "dunst",
    "mako", "waybar", "krunner", "org.kde.krunner", "rofi", "wofi", "ulauncher", "xfce4-appfinder", "conky",
    "swaync", "lxqt-runner" };
const char* const kOwnNames[] = { "z4config", "io.github.z4config", "z4switch" };

bool among(const QString& name, const char* const* first, const char* const* last)
{
    for (; first != last; ++first)
        if (name.compare(QLatin1String(*first), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

bool matchesName(const Rule& rule, const FocusInfo& info)
{
    if (rule.match.compare(info.appId, Qt::CaseInsensitive) == 0
        || rule.match.compare(info.instance, Qt::CaseInsensitive) == 0)
        return true;
    const QLatin1String steam("steam_app_");
    return !info.steamAppId.isEmpty() && rule.match.startsWith(steam, Qt::CaseInsensitive)
        && rule.match.mid(steam.size()) == info.steamAppId;
}
} // namespace

QString ignoredBecause(const FocusInfo& info)
{
    if (info.none())
        return QStringLiteral("nothing in front");
    for (const QString& name : { info.appId, info.instance }) {
        if (among(name, std::begin(kShellNames), std::end(kShellNames)))
            return QStringLiteral("part of the desktop");
        if (among(name, std::begin(kOwnNames), std::end(kOwnNames)))
            return QStringLiteral("our own window");
    }
    return {};
}

int matchingRule(const RuleSet& set, const FocusInfo& info, const std::function<QString(qint64)>& exeOf)
{
    QString exe;
    bool exeKnown = false;
    for (int i = 0; i < set.rules.size(); ++i) {
        const Rule& rule = set.rules.at(i);
        if (!matchesName(rule, info))
            continue;
        if (!rule.title.pattern().isEmpty() && !rule.title.match(info.title).hasMatch())
            continue;
        if (!rule.exe.isEmpty()) {
            if (!exeKnown) {
                exe = info.pid > 0 && exeOf ? exeOf(info.pid) : QString();
                exeKnown = true;
            }
            if (exe != rule.exe)
                continue;
        }
        return i;
    }
    return -1;
}

QString exeOfProcess(qint64 pid)
{
    const QString exe = QFileInfo(QStringLiteral("/proc/%1/exe").arg(pid)).symLinkTarget();
    if (!exe.isEmpty())
        return QFileInfo(exe).fileName();
    // Another user's process: its name as the kernel keeps it (15 characters at most).
    QFile comm(QStringLiteral("/proc/%1/comm").arg(pid));
    return comm.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(comm.readAll()).trimmed() : QString();
}

QString applicationKey(const FocusInfo& info)
{
    return (info.appId + QLatin1Char('\n') + info.instance).toLower();
}
