#pragma once

#include <QString>
#include <QStringList>
#include <QVariantMap>

// What one language pack gives: the interface texts (element 0 the font family), the seven
// host message texts and the sixteen button names.
struct LanguagePack {
    QStringList strings;
    QStringList messages;
    QStringList buttonNames;
};

// The language packs "lang_<code>.ini" of one folder. Read-only: every call opens the pack,
// reads it and closes it. A missing or unreadable pack reads as an empty one, and a code
// containing a path separator is treated as missing, so it never reaches the file system.
class LanguagePacks {
public:
    // font/total is clamped to 0..kMaxStrings so a damaged pack cannot exhaust memory.
    static constexpr int kMaxStrings = 4096;
    static constexpr int kMessageCount = 20;
    static constexpr int kButtonNameCount = 16;

    explicit LanguagePacks(const QString& folder = QStringLiteral("./modules/i18n/"));

    // Display name -> code for every pack present that read() opens (matched with the file
    // system's case rule); a later file with the same name wins.
    QVariantMap available() const;
    // Named in their own language: "English", "Français", "Deutsch (Schweiz)", "简体中文"; a
    // language Qt cannot name keeps its English name in capitals. Parts that are not numbers
    // count as 0.
    static QString displayName(const QString& code);

    LanguagePack read(const QString& code) const;
    QString packPath(const QString& code) const;

private:
    QString dir;
};
