#pragma once

#include <QList>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

// The switcher's rules, one hand-editable INI file:
//
//   [switch]
//   base = 1            ; the profile when no rule matches, or "none" to leave it as it is
//   pause = false
//   [rules]
//   ; MATCH = PROFILE [exe=NAME] [title=REGEX to the end of the line]; the first match wins
//   steam_app_730 = 3
//   firefox = 2 title=YouTube
//
// MATCH is an X11 class or instance, or a Wayland app id, compared without case;
// steam_app_<id> also matches a window that carries the Steam id <id> in STEAM_GAME.
struct Rule {
    QString match;
    int profile = 0; // 1..5
    QString exe; // executable file name, compared exactly; empty: any
    QRegularExpression title; // empty pattern: any title
    int line = 0; // 1-based line in the file
    QString text() const; // as `switch list` shows it
};

struct RuleSet {
    QList<Rule> rules;
    int base = 0; // 1..5, 0: leave the profile as it is
    bool paused = false;
    QStringList problems; // "line 7: profile '9' is not 1..5"
};

// Parses the file's text; a bad line is named in `problems` and skipped, the rest stays.
RuleSet parseRules(const QString& text);

// The rules file in the user's configuration folder.
QString rulesPath();

// Edits the file line by line, so comments and the order of the hand-written lines stay.
// Each answers an empty text when done, else why nothing was changed.
class RulesFile {
public:
    explicit RulesFile(const QString& path = rulesPath());
    RuleSet rules() const { return parseRules(lines.join(QLatin1Char('\n'))); }

    QString add(const QString& match, int profile, const QString& exe, const QString& title);
    QString remove(int number); // 1-based, as rules() lists them
    QString setBase(int profile); // 0: none
    QString setPaused(bool paused);

private:
    void setKey(const QString& key, const QString& value);
    QString save();

    QString path;
    QStringList lines;
};

// "rule PROFILE [exe=..] [title=..]" line for a rule, validated as parseRules() would.
QString ruleLine(
    const QString& match, int profile, const QString& exe, const QString& title, QString* problem);
