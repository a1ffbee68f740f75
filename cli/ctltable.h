#pragma once

#include <QList>
#include <QStringList>

// z4ctl's words: commands, their options and what each place on the line takes. The parser
// checks options against this table and the shell completion offers from it.
namespace ctl {

enum class Value {
    None,
    Profile,
    Rate,
    DpiList,
    Stage,
    Button,
    Function,
    Effect,
    Level,
    Colors,
    File,
    MacroWord,
    MacroName,
    SwitchWord,
    Text // free text: a class, a pattern, a program name
};

struct Option {
    QString name;
    Value value; // Value::None: a flag
};

struct Command {
    QString name;
    QList<Value> args; // in order; `macro` takes MacroWord then MacroName
    QList<Option> options;
};

const QList<Command>& commands();
const Command* command(const QString& name);
// --json, --dry-run, --help, --version: accepted anywhere before "--".
const QList<Option>& globalOptions();
const Option* option(const Command* command, const QString& name);

// What the shell may offer for the word at `current` of `words` (the program name left out).
struct Offers {
    QStringList words;
    bool files = false; // the shell offers file names
};
Offers complete(const QStringList& words, int current);

} // namespace ctl
