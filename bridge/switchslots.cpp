// The profile switcher's rules view: a thin adapter over switcher/, as `z4ctl switch` uses it.
#include "bridge/myqquickview.h"

#ifdef Q_OS_WIN
// The switcher follows Linux desktops only; the view shows it as not running.
QVariantMap myQQuickView::z4_switchState() { return {}; }
QString myQQuickView::z4_switchAdd(QString, int) { return QStringLiteral("not offered on Windows"); }
QString myQQuickView::z4_switchRemove(int) { return QStringLiteral("not offered on Windows"); }
QString myQQuickView::z4_switchSetBase(int) { return QStringLiteral("not offered on Windows"); }
QString myQQuickView::z4_switchSetOn(bool) { return QStringLiteral("not offered on Windows"); }
#else
#include "switcher/rules.h"
#include "switcher/state.h"
#include "switcher/switchcommand.h"

#include <QJsonArray>

QVariantMap myQQuickView::z4_switchState()
{
    const RuleSet set = RulesFile().rules();
    QStringList rules;
    for (const Rule& rule : set.rules)
        rules << rule.text();
    QVariantMap state = switchstate::read().toVariantMap();
    QStringList seen;
    for (const QJsonValue& app : switchstate::read().value(QStringLiteral("seen")).toArray()) {
        const QString name = app[QStringLiteral("app_id")].toString();
        if (!name.isEmpty() && !seen.contains(name, Qt::CaseInsensitive))
            seen << name;
    }
    state.insert(QStringLiteral("seen"), seen);
    state.insert(QStringLiteral("rules"), rules);
    state.insert(QStringLiteral("base"), set.base);
    state.insert(QStringLiteral("paused"), set.paused);
    state.insert(QStringLiteral("problems"), set.problems);
    state.insert(QStringLiteral("autostart"), switchcommand::isOn());
    return state;
}

QString myQQuickView::z4_switchAdd(QString match, int profile)
{
    return RulesFile().add(match, profile, {}, {});
}

QString myQQuickView::z4_switchRemove(int number)
{
    return RulesFile().remove(number);
}

QString myQQuickView::z4_switchSetBase(int profile)
{
    return RulesFile().setBase(profile);
}

QString myQQuickView::z4_switchSetOn(bool on)
{
    return switchcommand::setOn(on);
}
#endif
