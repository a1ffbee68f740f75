#include "switcher/profileswitcher.h"

#include "switcher/matching.h"

namespace {
QString describe(const FocusInfo& info)
{
    QString text = QStringLiteral("%1: class=%2").arg(info.source, info.appId);
    if (!info.instance.isEmpty())
        text += QStringLiteral(" instance=") + info.instance;
    if (!info.steamAppId.isEmpty())
        text += QStringLiteral(" steam=") + info.steamAppId;
    if (info.pid > 0)
        text += QStringLiteral(" pid=%1").arg(info.pid);
    return text + QStringLiteral(" title=\"%1\"").arg(info.title);
}

QString profileName(int profile)
{
    return QStringLiteral("P%1").arg(profile, 2, 10, QLatin1Char('0'));
}
} // namespace

ProfileSwitcher::ProfileSwitcher(QObject* parent)
    : QObject(parent)
    , exeOf(exeOfProcess)
{
    timer.setSingleShot(true);
    timer.setInterval(kSettleMs);
    connect(&timer, &QTimer::timeout, this, &ProfileSwitcher::settle);
}

void ProfileSwitcher::setRules(const RuleSet& set, bool judge)
{
    ruleSet = set;
    if (judge)
        decide();
    emit changed();
}

void ProfileSwitcher::focus(const FocusInfo& info)
{
    const QString ignored = ignoredBecause(info);
    if (!ignored.isEmpty()) {
        timer.stop();
        emit note(QStringLiteral("focus %1: ignored, %2").arg(info.source, ignored));
        return;
    }
    candidate = info;
    timer.start();
    emit note(QStringLiteral("focus ") + describe(info));
}

void ProfileSwitcher::settle()
{
    timer.stop();
    frontInfo = candidate;
    frontKnown = true;
    if (!holdKey.isEmpty() && applicationKey(frontInfo) != holdKey) {
        emit note(QStringLiteral("manual choice ends: its application lost the focus"));
        holdKey.clear();
    }
    decide();
    emit changed();
}

void ProfileSwitcher::decide()
{
    if (!frontKnown)
        return;
    if (ruleSet.paused) {
        emit note(QStringLiteral("paused: nothing selected"));
        return;
    }
    if (!holdKey.isEmpty()) {
        emit note(QStringLiteral("%1 chosen by hand holds while %2 is in front")
                      .arg(profileName(selected), frontInfo.appId));
        return;
    }
    const int index = matchingRule(ruleSet, frontInfo, exeOf);
    const int target = index >= 0 ? ruleSet.rules.at(index).profile : ruleSet.base;
    ruleText = index >= 0 ? QStringLiteral("%1: %2").arg(index + 1).arg(ruleSet.rules.at(index).text())
                          : QStringLiteral("base");
    if (target == 0) {
        emit note(QStringLiteral("no rule matches and there is no base profile: left as it is"));
        return;
    }
    if (target == selected) {
        emit note(QStringLiteral("%1 by %2, selected already").arg(profileName(target), ruleText));
        return;
    }
    emit note(QStringLiteral("select %1 by %2").arg(profileName(target), ruleText));
    emit selectRequested(target);
}

void ProfileSwitcher::manualChoice(int profile)
{
    if (profile == selected)
        return;
    selected = profile;
    if (frontKnown)
        holdKey = applicationKey(frontInfo);
    emit note(QStringLiteral("%1 chosen by hand").arg(profileName(profile)));
    emit changed();
}

void ProfileSwitcher::selectionDone(int profile, bool reached)
{
    selected = reached ? profile : -1;
    emit changed();
}

void ProfileSwitcher::mouseBack()
{
    selected = -1;
    holdKey.clear();
    decide();
    emit changed();
}
