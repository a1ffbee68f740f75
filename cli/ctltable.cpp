#include "cli/ctltable.h"

#include "cli/ctlshow.h"
#include "core/keyfunctions.h"
#include "macro/macrolibrary.h"

namespace {
using namespace ctl;

QStringList numbers(int first, int last)
{
    QStringList out;
    for (int n = first; n <= last; ++n)
        out << QString::number(n);
    return out;
}

QStringList macroNames()
{
    QStringList names;
    for (const QString& file : MacroLibrary(MacroLibrary::folderForModel(1)).names())
        names << file.chopped(4);
    return names;
}

// A function is offered in two steps: its kind, then the names the kind takes.
QStringList functions(const QString& current)
{
    const qsizetype colon = current.indexOf(QLatin1Char(':'));
    if (colon < 0)
        return { "key:", "combo:", "mouse:", "media:", "dpi:", "profile:switch", "fire:", "macro:", "led",
            "disable" };
    const QString kind = current.left(colon);
    QStringList names = kind == QLatin1String("macro") ? macroNames()
        : kind == QLatin1String("profile")             ? QStringList { QStringLiteral("switch") }
                                                       : keyfunctions::names(kind);
    for (QString& name : names)
        name.prepend(kind + QLatin1Char(':'));
    return names;
}

QStringList offersFor(Value value, const QString& current)
{
    switch (value) {
    case Value::Profile:
        return numbers(1, 5);
    case Value::Rate: {
        QStringList out;
        for (int hz : rateChoices())
            out << QString::number(hz);
        return out;
    }
    case Value::DpiList: {
        QStringList out;
        for (int dpi : dpiChoices())
            out << QString::number(dpi);
        return out;
    }
    case Value::Stage:
        return numbers(1, 8);
    case Value::Button:
        return numbers(1, keyfunctions::buttonCount());
    case Value::Function:
        return functions(current);
    case Value::Effect:
        return keyfunctions::effectNames();
    case Value::Level:
        return numbers(0, 7);
    case Value::MacroWord:
        return { QStringLiteral("list"), QStringLiteral("show") };
    case Value::MacroName:
        return macroNames();
    case Value::SwitchWord:
        return { "list", "add", "remove", "base", "pause", "resume", "on", "off", "status" };
    case Value::None:
    case Value::Text:
    case Value::Colors:
    case Value::File:
        break;
    }
    return {};
}

QStringList optionNames(const Command* command)
{
    QStringList out;
    for (const Option& o : globalOptions())
        out << o.name;
    if (command) {
        for (const Option& o : command->options)
            out << o.name;
    }
    return out;
}
} // namespace

namespace ctl {

const QList<Command>& commands()
{
    const Option profile { QStringLiteral("--profile"), Value::Profile };
    static const QList<Command> table {
        { QStringLiteral("list"), {}, {} },
        { QStringLiteral("profile"), { Value::Profile }, {} },
        { QStringLiteral("show"), { Value::Profile }, {} },
        { QStringLiteral("rate"), { Value::Rate }, { profile } },
        { QStringLiteral("dpi"), { Value::DpiList },
            { profile, { QStringLiteral("--active"), Value::Stage } } },
        { QStringLiteral("button"), { Value::Button, Value::Function }, { profile } },
        { QStringLiteral("light"), { Value::Effect },
            { profile, { QStringLiteral("--speed"), Value::Level },
                { QStringLiteral("--brightness"), Value::Level },
                { QStringLiteral("--colors"), Value::Colors } } },
        { QStringLiteral("macro"), { Value::MacroWord, Value::MacroName }, {} },
        { QStringLiteral("export"), { Value::Profile, Value::File }, {} },
        { QStringLiteral("import"), { Value::File, Value::Profile }, {} },
        { QStringLiteral("reset"), { Value::Profile }, {} },
        { QStringLiteral("switch"), { Value::SwitchWord },
            { { QStringLiteral("--title"), Value::Text }, { QStringLiteral("--exe"), Value::Text } } },
        { QStringLiteral("sync"), {},
            { { QStringLiteral("--write"), Value::None }, { QStringLiteral("--keep"), Value::None } } },
    };
    return table;
}

const Command* command(const QString& name)
{
    for (const Command& c : commands()) {
        if (c.name == name)
            return &c;
    }
    return nullptr;
}

const QList<Option>& globalOptions()
{
    static const QList<Option> table { { QStringLiteral("--json"), Value::None },
        { QStringLiteral("--dry-run"), Value::None }, { QStringLiteral("--help"), Value::None },
        { QStringLiteral("--version"), Value::None } };
    return table;
}

const Option* option(const Command* command, const QString& name)
{
    for (const Option& o : globalOptions()) {
        if (o.name == name)
            return &o;
    }
    if (!command)
        return nullptr;
    for (const Option& o : command->options) {
        if (o.name == name)
            return &o;
    }
    return nullptr;
}

Offers complete(const QStringList& words, int current)
{
    const QString now = words.value(current);
    const Command* cmd = nullptr;
    const Option* pending = nullptr;
    bool optionsEnded = false;
    QStringList given; // the command's words so far
    for (int i = 0; i < current && i < words.size(); ++i) {
        const QString& word = words.at(i);
        if (pending) {
            pending = nullptr;
        } else if (!optionsEnded && word == QLatin1String("--")) {
            optionsEnded = true;
        } else if (!optionsEnded && word.startsWith(QLatin1String("--"))) {
            const Option* o = option(cmd, word);
            pending = o && o->value != Value::None ? o : nullptr;
        } else if (!cmd) {
            cmd = command(word);
            if (!cmd)
                return {};
        } else {
            given << word;
        }
    }
    QStringList offers;
    Value value = Value::None;
    if (pending) {
        value = pending->value;
    } else if (!optionsEnded && now.startsWith(QLatin1Char('-'))) {
        offers = optionNames(cmd);
    } else if (!cmd) {
        for (const Command& c : commands())
            offers << c.name;
    } else if (given.size() < cmd->args.size()) {
        value = cmd->args.at(given.size());
        // Only `macro show` takes a name.
        if (value == Value::MacroName && given.value(0) != QLatin1String("show"))
            value = Value::None;
    }
    if (value == Value::File)
        return { {}, true };
    if (value != Value::None)
        offers = offersFor(value, now);
    Offers out;
    for (const QString& o : offers) {
        if (o.startsWith(now))
            out.words << o;
    }
    return out;
}

} // namespace ctl
