#include "switcher/rules.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace {
const QString kSwitch = QStringLiteral("switch");
const QString kRules = QStringLiteral("rules");
const QLatin1String kExe("exe=");
const QLatin1String kTitle("title=");

int profileOf(const QString& text)
{
    bool ok = false;
    const int n = text.toInt(&ok);
    return ok && n >= 1 && n <= 5 ? n : -1;
}

std::optional<bool> boolOf(const QString& text)
{
    const QString t = text.toLower();
    if (t == QLatin1String("true") || t == QLatin1String("on") || t == QLatin1String("yes")
        || t == QLatin1String("1"))
        return true;
    if (t == QLatin1String("false") || t == QLatin1String("off") || t == QLatin1String("no")
        || t == QLatin1String("0"))
        return false;
    return std::nullopt;
}

// "PROFILE [exe=NAME] [title=REGEX...]" after a rule's '='.
QString parseRuleValue(const QString& value, Rule* rule)
{
    QString rest = value.trimmed();
    const qsizetype titleAt = rest.indexOf(kTitle);
    QString title;
    if (titleAt >= 0) {
        title = rest.mid(titleAt + kTitle.size());
        rest = rest.left(titleAt).trimmed();
    }
    const QStringList words = rest.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.isEmpty())
        return QStringLiteral("no profile after '='");
    rule->profile = profileOf(words.first());
    if (rule->profile < 0)
        return QStringLiteral("profile '%1' is not 1..5").arg(words.first());
    for (const QString& word : words.mid(1)) {
        if (!word.startsWith(kExe) || word.size() == kExe.size() || !rule->exe.isEmpty())
            return QStringLiteral("'%1' is neither exe=NAME nor title=REGEX").arg(word);
        rule->exe = word.mid(kExe.size());
    }
    if (titleAt >= 0) {
        if (title.isEmpty())
            return QStringLiteral("title= is empty");
        rule->title.setPattern(title);
        rule->title.setPatternOptions(QRegularExpression::CaseInsensitiveOption);
        if (!rule->title.isValid())
            return QStringLiteral("title '%1' is no regular expression: %2")
                .arg(title, rule->title.errorString());
    }
    return {};
}

// One line; an empty answer when it was understood.
QString parseLine(const QString& raw, QString* section, RuleSet* set, int number)
{
    const QString line = raw.trimmed();
    if (line.isEmpty() || line.startsWith(QLatin1Char('#')) || line.startsWith(QLatin1Char(';')))
        return {};
    if (line.startsWith(QLatin1Char('['))) {
        if (!line.endsWith(QLatin1Char(']')))
            return QStringLiteral("section without ']'");
        *section = line.mid(1, line.size() - 2).trimmed().toLower();
        if (*section != kSwitch && *section != kRules)
            return QStringLiteral("unknown section [%1] (switch, rules)").arg(*section);
        return {};
    }
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    if (eq <= 0)
        return QStringLiteral("no 'NAME = VALUE'");
    const QString key = line.left(eq).trimmed();
    const QString value = line.mid(eq + 1).trimmed();
    if (*section == kRules) {
        Rule rule;
        rule.match = key;
        rule.line = number;
        const QString problem = parseRuleValue(value, &rule);
        if (problem.isEmpty())
            set->rules << rule;
        return problem;
    }
    if (*section != kSwitch)
        return QStringLiteral("'%1' outside [switch] and [rules]").arg(key);
    if (key.compare(QLatin1String("base"), Qt::CaseInsensitive) == 0) {
        const int base
            = value.compare(QLatin1String("none"), Qt::CaseInsensitive) == 0 ? 0 : profileOf(value);
        if (base < 0)
            return QStringLiteral("base '%1' is neither 1..5 nor none").arg(value);
        set->base = base;
        return {};
    }
    if (key.compare(QLatin1String("pause"), Qt::CaseInsensitive) == 0) {
        const std::optional<bool> paused = boolOf(value);
        if (!paused)
            return QStringLiteral("pause '%1' is neither true nor false").arg(value);
        set->paused = *paused;
        return {};
    }
    return QStringLiteral("unknown setting '%1' (base, pause)").arg(key);
}
} // namespace

QString Rule::text() const
{
    QString text = QStringLiteral("%1 = %2").arg(match).arg(profile);
    if (!exe.isEmpty())
        text += QStringLiteral(" exe=") + exe;
    if (!title.pattern().isEmpty())
        text += QStringLiteral(" title=") + title.pattern();
    return text;
}

RuleSet parseRules(const QString& text)
{
    RuleSet set;
    QString section;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const QString problem = parseLine(lines.at(i), &section, &set, i + 1);
        if (!problem.isEmpty())
            set.problems << QStringLiteral("line %1: %2").arg(i + 1).arg(problem);
    }
    return set;
}

QString rulesPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/z4config/switch.ini");
}

QString ruleLine(
    const QString& match, int profile, const QString& exe, const QString& title, QString* problem)
{
    QString line = QStringLiteral("%1 = %2").arg(match.trimmed()).arg(profile);
    if (!exe.isEmpty())
        line += QStringLiteral(" exe=") + exe;
    if (!title.isEmpty())
        line += QStringLiteral(" title=") + title;
    const RuleSet check = parseRules(QStringLiteral("[rules]\n") + line);
    if (match.trimmed().isEmpty() || match.contains(QLatin1Char('=')) || match.contains(QLatin1Char('\n'))
        || match.trimmed().startsWith(QLatin1Char('[')) || match.trimmed().startsWith(QLatin1Char('#'))
        || match.trimmed().startsWith(QLatin1Char(';')))
        *problem = QStringLiteral("'%1' cannot be matched: give a class or app id").arg(match);
    else if (exe.contains(QLatin1Char(' ')) || exe.contains(QLatin1Char('\n'))
        || title.contains(QLatin1Char('\n')))
        *problem = QStringLiteral("the executable name or the title has a space or a line break");
    else if (!check.problems.isEmpty())
        *problem = check.problems.first().section(QLatin1String(": "), 1);
    return line;
}

RulesFile::RulesFile(const QString& filePath)
    : path(filePath)
{
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
}

QString RulesFile::save()
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
    file.write((lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
    return file.commit() ? QString() : QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
}

QString RulesFile::add(const QString& match, int profile, const QString& exe, const QString& title)
{
    QString problem;
    const QString line = ruleLine(match, profile, exe, title, &problem);
    if (!problem.isEmpty())
        return problem;
    // After the last line of the [rules] section, which is made when missing.
    qsizetype at = -1;
    bool inRules = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString t = lines.at(i).trimmed();
        if (t.startsWith(QLatin1Char('[')))
            inRules = t.mid(1, t.size() - 2).trimmed().compare(kRules, Qt::CaseInsensitive) == 0;
        else if (inRules && !t.isEmpty())
            at = i;
        if (inRules && at < 0)
            at = i;
    }
    if (at < 0) {
        lines << QStringLiteral("[rules]");
        at = lines.size() - 1;
    }
    lines.insert(at + 1, line);
    return save();
}

QString RulesFile::remove(int number)
{
    const QList<Rule> list = rules().rules;
    if (number < 1 || number > list.size())
        return QStringLiteral("there is no rule %1 (%2 rules)").arg(number).arg(list.size());
    lines.removeAt(list.at(number - 1).line - 1);
    return save();
}

void RulesFile::setKey(const QString& key, const QString& value)
{
    const QString line = key + QStringLiteral(" = ") + value;
    qsizetype sectionAt = -1;
    bool inSwitch = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString t = lines.at(i).trimmed();
        if (t.startsWith(QLatin1Char('['))) {
            inSwitch = t.mid(1, t.size() - 2).trimmed().compare(kSwitch, Qt::CaseInsensitive) == 0;
            if (inSwitch)
                sectionAt = i;
        } else if (inSwitch
            && t.section(QLatin1Char('='), 0, 0).trimmed().compare(key, Qt::CaseInsensitive) == 0) {
            lines[i] = line;
            return;
        }
    }
    if (sectionAt < 0) {
        lines.prepend(QString());
        lines.prepend(QStringLiteral("[%1]").arg(kSwitch));
        sectionAt = 0;
    }
    lines.insert(sectionAt + 1, line);
}

QString RulesFile::setBase(int profile)
{
    if (profile < 0 || profile > 5)
        return QStringLiteral("base '%1' is neither 1..5 nor none").arg(profile);
    setKey(QStringLiteral("base"), profile == 0 ? QStringLiteral("none") : QString::number(profile));
    return save();
}

QString RulesFile::setPaused(bool paused)
{
    setKey(QStringLiteral("pause"), paused ? QStringLiteral("true") : QStringLiteral("false"));
    return save();
}
