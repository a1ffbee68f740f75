#include "switcher/switchcommand.h"

#include "switcher/rules.h"
#include "switcher/state.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTextStream>
#include <QThread>

#include <csignal>
#include <optional>

namespace {
enum { kOk = 0, kFailed = 1, kUsage = 2 };

int refuse(QTextStream& err, const QString& text)
{
    err << "z4ctl: " << text << '\n';
    return kUsage;
}

int done(QTextStream& err, const QString& problem)
{
    if (problem.isEmpty())
        return kOk;
    err << "z4ctl: " << problem << '\n';
    return kFailed;
}

int profileOf(const QString& text)
{
    bool ok = false;
    const int n = text.toInt(&ok);
    return ok && n >= 1 && n <= 5 ? n : -1;
}

// Removes "--name VALUE"; nullopt when absent, an empty text when the value is missing.
std::optional<QString> takeOption(QStringList& words, const QString& name)
{
    const qsizetype at = words.indexOf(name);
    if (at < 0)
        return std::nullopt;
    const QString value = words.value(at + 1);
    words.remove(at, at + 1 < words.size() ? 2 : 1);
    return value;
}

int list(bool json, QTextStream& out)
{
    const RuleSet set = RulesFile().rules();
    if (json) {
        QJsonArray rules;
        for (const Rule& rule : set.rules)
            rules.append(QJsonObject { { "match", rule.match }, { "profile", rule.profile },
                { "exe", rule.exe }, { "title", rule.title.pattern() }, { "line", rule.line } });
        out << QJsonDocument(QJsonObject { { "rules", rules }, { "base", set.base }, { "paused", set.paused },
                                 { "problems", QJsonArray::fromStringList(set.problems) } })
                   .toJson(QJsonDocument::Compact)
            << '\n';
        return kOk;
    }
    for (int i = 0; i < set.rules.size(); ++i)
        out << i + 1 << "  " << set.rules.at(i).text() << '\n';
    out << "base " << (set.base ? QString::number(set.base) : QStringLiteral("none"))
        << (set.paused ? ", paused" : "") << '\n';
    for (const QString& problem : set.problems)
        out << "ignored: " << problem << '\n';
    return kOk;
}

int add(QStringList words, QTextStream& err)
{
    const std::optional<QString> title = takeOption(words, QStringLiteral("--title"));
    const std::optional<QString> exe = takeOption(words, QStringLiteral("--exe"));
    if (words.size() != 2 || (title && title->isEmpty()) || (exe && exe->isEmpty()))
        return refuse(err, QStringLiteral("switch add takes MATCH PROFILE [--title REGEX] [--exe NAME]"));
    const int profile = profileOf(words.at(1));
    if (profile < 0)
        return refuse(err, QStringLiteral("profile '%1' is not 1..5").arg(words.at(1)));
    QString problem;
    ruleLine(words.at(0), profile, exe.value_or(QString()), title.value_or(QString()), &problem);
    if (!problem.isEmpty())
        return refuse(err, problem);
    return done(
        err, RulesFile().add(words.at(0), profile, exe.value_or(QString()), title.value_or(QString())));
}

int status(bool json, QTextStream& out)
{
    QJsonObject state = switchstate::read();
    state.insert(QStringLiteral("autostart"), switchcommand::isOn());
    if (json) {
        out << QJsonDocument(state).toJson(QJsonDocument::Compact) << '\n';
        return kOk;
    }
    const bool running = state.value(QStringLiteral("running")).toBool();
    out << "switcher: " << (running ? "running" : "not running") << ", autostart "
        << (switchcommand::isOn() ? "on" : "off") << '\n';
    if (!running)
        return kOk;
    QStringList sources;
    for (const QJsonValue& s : state.value(QStringLiteral("sources")).toArray())
        sources << s.toString();
    out << "focus source: " << (sources.isEmpty() ? QStringLiteral("none") : sources.join(", ")) << '\n';
    for (const QJsonValue& s : state.value(QStringLiteral("unavailable")).toArray())
        out << "unavailable: " << s.toString() << '\n';
    const QJsonObject front = state.value(QStringLiteral("front")).toObject();
    if (!front.isEmpty())
        out << "in front: " << front.value(QStringLiteral("app_id")).toString() << " \""
            << front.value(QStringLiteral("title")).toString() << "\"\n";
    out << "rule: " << state.value(QStringLiteral("rule")).toString() << '\n';
    const int profile = state.value(QStringLiteral("profile")).toInt();
    out << "selected: " << (profile > 0 ? QStringLiteral("P0%1").arg(profile) : QStringLiteral("-"))
        << (state.value(QStringLiteral("mouse")).toBool() ? "" : " (no mouse)")
        << (state.value(QStringLiteral("paused")).toBool() ? ", paused" : "") << '\n';
    for (const QJsonValue& p : state.value(QStringLiteral("problems")).toArray())
        out << "rules file " << p.toString() << " (ignored)\n";
    return kOk;
}

QString switcherProgram()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/z4switch");
}

QString stopRunning()
{
    const qint64 pid = switchstate::runningPid();
    if (pid <= 0)
        return {};
    ::kill(pid_t(pid), SIGTERM);
    const QDeadlineTimer deadline(2000);
    while (switchstate::runningPid() == pid && !deadline.hasExpired())
        QThread::msleep(20);
    return switchstate::runningPid() == pid ? QStringLiteral("the switcher (pid %1) did not stop").arg(pid)
                                            : QString();
}
} // namespace

namespace switchcommand {

QString autostartPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/autostart/z4switch.desktop");
}

bool isOn()
{
    return QFileInfo::exists(autostartPath());
}

QString setOn(bool on)
{
    if (!on) {
        QFile::remove(autostartPath());
        return isOn() ? QStringLiteral("cannot remove %1").arg(autostartPath()) : stopRunning();
    }
    const QString program = switcherProgram();
    if (!QFileInfo(program).isExecutable())
        return QStringLiteral("%1 is missing").arg(program);
    QDir().mkpath(QFileInfo(autostartPath()).absolutePath());
    QSaveFile entry(autostartPath());
    if (!entry.open(QIODevice::WriteOnly))
        return QStringLiteral("cannot write %1").arg(autostartPath());
    entry.write(QStringLiteral("[Desktop Entry]\nType=Application\nName=z4switch\n"
                               "Comment=Selects the mouse profile for the application in front\n"
                               "Exec=\"%1\"\nNoDisplay=true\nX-GNOME-Autostart-enabled=true\n")
                    .arg(program)
                    .toUtf8());
    if (!entry.commit())
        return QStringLiteral("cannot write %1").arg(autostartPath());
    if (switchstate::runningPid() == 0 && !QProcess::startDetached(program, {}))
        return QStringLiteral("cannot start %1").arg(program);
    return {};
}

int run(const QStringList& args, bool json, QTextStream& out, QTextStream& err)
{
    QStringList words = args;
    const QString sub = words.isEmpty() ? QString() : words.takeFirst();
    const bool jsonFlag = words.removeAll(QStringLiteral("--json")) > 0 || json;
    if (sub == QLatin1String("add"))
        return add(words, err);
    if (sub == QLatin1String("remove") || sub == QLatin1String("base")) {
        if (words.size() != 1)
            return refuse(
                err, QStringLiteral("switch %1 takes %2").arg(sub, sub == "base" ? "N or none" : "N"));
        if (sub == QLatin1String("base")) {
            const int base = words.first() == QLatin1String("none") ? 0 : profileOf(words.first());
            if (base < 0)
                return refuse(err, QStringLiteral("base '%1' is neither 1..5 nor none").arg(words.first()));
            return done(err, RulesFile().setBase(base));
        }
        bool ok = false;
        const int n = words.first().toInt(&ok);
        if (!ok)
            return refuse(err, QStringLiteral("'%1' is no rule number").arg(words.first()));
        const QString problem = RulesFile().remove(n);
        return problem.isEmpty() ? kOk : refuse(err, problem);
    }
    if (!words.isEmpty())
        return refuse(err, QStringLiteral("unexpected '%1'").arg(words.first()));
    if (sub == QLatin1String("list"))
        return list(jsonFlag, out);
    if (sub == QLatin1String("status"))
        return status(jsonFlag, out);
    if (sub == QLatin1String("pause") || sub == QLatin1String("resume"))
        return done(err, RulesFile().setPaused(sub == QLatin1String("pause")));
    if (sub == QLatin1String("on") || sub == QLatin1String("off"))
        return done(err, setOn(sub == QLatin1String("on")));
    return refuse(err,
        QStringLiteral("switch takes list, add, remove, base, pause, resume, on, off or status%1")
            .arg(sub.isEmpty() ? QString() : QStringLiteral(", not '%1'").arg(sub)));
}

} // namespace switchcommand
