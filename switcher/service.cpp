#include "switcher/service.h"

#include "focus/focussource.h"
#include "focus/sources.h"
#include "switcher/matching.h"
#include "switcher/selection.h"
#include "switcher/state.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonObject>
#include <QSettings>
#include <QTextStream>

namespace {
const QString kSettingFolder = QStringLiteral("./modules/setting");
const QString kProfileFile = QStringLiteral("./modules/setting/p_Z4.bin");
constexpr int kSeenMax = 20;
constexpr int kMouseSettleMs = 500; // udev announces a node before its permissions are set

QJsonObject toJson(const FocusInfo& info)
{
    return QJsonObject { { "app_id", info.appId }, { "instance", info.instance }, { "title", info.title },
        { "pid", info.pid }, { "steam_app_id", info.steamAppId }, { "source", info.source } };
}
} // namespace

SwitchService::SwitchService(QTextStream* printTo, QObject* parent)
    : QObject(parent)
    , print(printTo)
{
    connect(&switcher, &ProfileSwitcher::selectRequested, this, &SwitchService::select);
    connect(&switcher, &ProfileSwitcher::note, this, &SwitchService::say);
    connect(&switcher, &ProfileSwitcher::changed, this, &SwitchService::writeState);
    mouseSettle.setSingleShot(true);
    mouseSettle.setInterval(kMouseSettleMs);
    connect(&mouseSettle, &QTimer::timeout, &switcher, &ProfileSwitcher::mouseBack);
    connect(&watcher, &QFileSystemWatcher::directoryChanged, this, [this](const QString& folder) {
        if (QFileInfo(folder) == QFileInfo(QFileInfo(rulesPath()).absolutePath()))
            readRules();
        else
            readProfileFile();
    });
}

SwitchService::~SwitchService()
{
    QFile::remove(switchstate::path());
}

bool SwitchService::start(QString* why)
{
    for (FocusSource* source : makeFocusSources(this)) {
        connect(source, &FocusSource::focusChanged, this, [this](const FocusInfo& info) {
            switcher.focus(info);
            remember(info);
        });
        connect(source, &FocusSource::lost, this,
            [this, source](const QString& reason) { sourceLost(source, reason); });
        if (source->start()) {
            running << source;
        } else {
            unavailable << QStringLiteral("%1: %2").arg(source->name(), source->why());
            source->deleteLater();
        }
    }
    QDir().mkpath(QFileInfo(rulesPath()).absolutePath());
    watcher.addPath(QFileInfo(rulesPath()).absolutePath());
    watcher.addPath(kSettingFolder);
    fileProfile
        = QSettings(kProfileFile, QSettings::IniFormat).value(QStringLiteral("common/curProfile")).toInt();
    readRules();
    writeState();
    if (running.isEmpty())
        *why = unavailable.isEmpty()
            ? QStringLiteral("no desktop found (neither DISPLAY nor WAYLAND_DISPLAY)")
            : unavailable.join(QStringLiteral("; "));
    return !running.isEmpty();
}

void SwitchService::readRules(bool judge)
{
    QFile file(rulesPath());
    const QString text = file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.read(1 << 20)) : QString();
    if (text == rulesText && !rulesText.isNull())
        return;
    rulesText = text.isNull() ? QStringLiteral("") : text;
    const RuleSet set = parseRules(rulesText);
    for (const QString& problem : set.problems)
        QTextStream(stderr) << "z4switch: " << rulesPath() << ' ' << problem << ", line ignored\n";
    say(QStringLiteral("rules read: %1 rules, base %2%3")
            .arg(set.rules.size())
            .arg(set.base ? QString::number(set.base) : QStringLiteral("none"),
                set.paused ? QStringLiteral(", paused") : QString()));
    switcher.setRules(set, judge);
}

// The profile file changes when anyone selects a profile, this program too; a value other than
// the one selected last is someone else's choice.
void SwitchService::readProfileFile()
{
    const int now
        = QSettings(kProfileFile, QSettings::IniFormat).value(QStringLiteral("common/curProfile")).toInt();
    if (now == fileProfile)
        return;
    fileProfile = now;
    if (now >= 1 && now <= 5 && now != switcher.lastSelected())
        switcher.manualChoice(now);
}

void SwitchService::select(int profile)
{
    const Reach reach = selectProfileOnMouse(profile);
    mousePresent = reach != Reach::NoMouse;
    // The file took the profile even when the mouse did not: that is no one else's choice.
    if (reach == Reach::Done || reach == Reach::Failed)
        fileProfile = profile;
    say(reach == Reach::Done          ? QStringLiteral("P%1 selected").arg(profile, 2, 10, QLatin1Char('0'))
            : reach == Reach::NoMouse ? QStringLiteral("no mouse: waiting for it to come back")
            : reach == Reach::Busy    ? QStringLiteral("the mouse is busy with another program: trying again")
                                      : QStringLiteral("the mouse did not take the profile"));
    switcher.selectionDone(profile, reach == Reach::Done);
    // Another program's change is short; deciding again once it is done needs no focus change.
    if (reach == Reach::Busy)
        mouseSettle.start();
}

void SwitchService::reload()
{
    rulesText = QString();
    // One decision for both, so a single 02H goes out.
    readRules(false);
    switcher.mouseBack();
}

void SwitchService::devicesChanged()
{
    mouseSettle.start();
}

void SwitchService::sourceLost(FocusSource* source, const QString& reason)
{
    say(QStringLiteral("%1 source lost: %2").arg(source->name(), reason));
    running.removeAll(source);
    unavailable << QStringLiteral("%1: %2").arg(source->name(), reason);
    source->deleteLater();
    writeState();
    if (running.isEmpty())
        emit allSourcesLost();
}

// The applications seen, newest first, one entry each: the window offers them as rule matches.
void SwitchService::remember(const FocusInfo& info)
{
    if (!ignoredBecause(info).isEmpty())
        return;
    const QString key = applicationKey(info);
    for (qsizetype i = 0; i < seen.size(); ++i) {
        if (applicationKey(FocusInfo { seen.at(i)[QStringLiteral("app_id")].toString(),
                seen.at(i)[QStringLiteral("instance")].toString(), {}, 0, {}, {} })
            == key) {
            seen.removeAt(i);
            break;
        }
    }
    seen.prepend(toJson(info));
    while (seen.size() > kSeenMax)
        seen.removeLast();
}

void SwitchService::writeState()
{
    QStringList names;
    for (const FocusSource* source : running)
        names << source->name();
    const RuleSet& set = switcher.rules();
    QJsonObject state { { "pid", QCoreApplication::applicationPid() },
        { "sources", QJsonArray::fromStringList(names) },
        { "unavailable", QJsonArray::fromStringList(unavailable) }, { "paused", set.paused },
        { "base", set.base }, { "rule", switcher.appliedRule() }, { "profile", switcher.lastSelected() },
        { "mouse", mousePresent }, { "problems", QJsonArray::fromStringList(set.problems) },
        { "seen", seen } };
    if (switcher.hasFront())
        state.insert(QStringLiteral("front"), toJson(switcher.front()));
    switchstate::write(state);
}

void SwitchService::say(const QString& line)
{
    if (print)
        *print << line << Qt::endl;
}
